// SPDX-License-Identifier: GPL-3.0-or-later
// The native twin of the WebAssembly core: answers requests through the same
// C interface, so the page's answers can be compared with the desktop's and
// test data is generated rather than written by hand.
//
//   keisan_answers                 one request per line on stdin (the six
//                                  texts separated by tabs), one JSON array
//                                  of the three steps' answers per line out
//   keisan_answers --version-text  the version bar's text
#include <algorithm>
#include <iostream>
#include <span>
#include <string>
#include <string_view>

#include "keisan_c_api.h"
#include "version_text.h"

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

int main(int argc, char** argv) {
  const std::span<char*> args(argv, static_cast<std::size_t>(argc));
  if (args.size() == 2 && std::string_view(args[1]) == "--version-text") {
    std::cout << quorvel::VersionText(QUORVEL_VERSION_MAJOR, QUORVEL_VERSION_MINOR,
                                      QUORVEL_VERSION_REVISION)
              << '\n';
    return 0;
  }
  std::string line;
  while (std::getline(std::cin, line)) {
    // Tabs become the NULs that end each text in the request buffer.
    std::replace(line.begin(), line.end(), '\t', '\0');
    std::copy(line.begin(), line.end(), quorvel_request_buffer(line.size() + 1));
    std::cout << '[' << Json(quorvel_check()) << ',' << Json(quorvel_question()) << ','
              << Json(quorvel_compute()) << "]\n";
  }
  return 0;
}
