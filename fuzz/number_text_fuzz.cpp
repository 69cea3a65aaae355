// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes through the number-text rules: no crash, no undefined behaviour,
// and the invariants that follow from the rules themselves.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "number_text.h"

namespace {

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

// Whether the digits of a canonical whole number lie outside -32768..32767,
// compared as text so that no conversion can overflow here either.
bool OutOfRange(std::string_view text) {
  const bool negative = text.front() == '-';
  const std::string_view digits = text.substr(negative ? 1 : 0);
  const std::string_view limit = negative ? "32768" : "32767";
  return digits.size() > limit.size() || (digits.size() == limit.size() && digits > limit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const std::string trimmed = quorvel::Trim(text);
  Require(quorvel::Trim(trimmed) == trimmed);
  Require(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '));
  Require(text.find(trimmed) != std::string_view::npos);
  Require(trimmed.size() == text.size() || text.front() == ' ' || text.back() == ' ');

  const bool numeric = quorvel::IsNumeric(text);
  const bool integer = quorvel::IsInteger(text);
  Require(!integer || numeric);

  const auto value = quorvel::ToInt16(text);
  Require(!value || integer);
  if (value) {
    Require(std::to_string(*value) == text);
  } else if (integer) {
    Require(OutOfRange(text));
  }
  return 0;
}
