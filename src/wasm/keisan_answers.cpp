// SPDX-License-Identifier: GPL-3.0-or-later
// The native twin of the WebAssembly core: answers requests through the same
// C interface, so the page's answers can be compared with the desktop's and
// test data is generated rather than written by hand.
//
//   keisan_answers                 one request per line on stdin (the six
//                                  texts separated by tabs), one JSON array
//                                  per line out: the three steps' answers,
//                                  then the working, summary and levels
#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>

#include "keisan_c_api.h"

namespace {

std::string Json(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      constexpr std::string_view kHex = "0123456789abcdef";
      out += "\\u00";
      out += kHex[byte >> 4U];
      out += kHex[byte & 0xfU];
    } else {
      out += c;
    }
  }
  return out + '"';
}

}  // namespace

int main() {
  std::string line;
  while (std::getline(std::cin, line)) {
    // Tabs become the NULs that end each text in the request buffer.
    std::replace(line.begin(), line.end(), '\t', '\0');
    std::copy(line.begin(), line.end(), quorvel_request_buffer(line.size() + 1));
    std::cout << '[' << Json(quorvel_check()) << ',' << Json(quorvel_question()) << ','
              << Json(quorvel_compute()) << ',' << Json(quorvel_working()) << ','
              << Json(quorvel_summary()) << ',' << Json(quorvel_levels()) << "]\n";
  }
  return 0;
}
