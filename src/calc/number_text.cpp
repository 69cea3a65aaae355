// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"

#include <cstddef>

namespace quorvel {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSign(char c) { return c == '+' || c == '-'; }

// Skips a run of digits from pos and reports how many there were.
std::size_t SkipDigits(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  while (pos < text.size() && IsDigit(text[pos])) {
    ++pos;
  }
  return pos - start;
}

}  // namespace

std::string Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return {};
  }
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

bool IsNumeric(std::string_view text) {
  std::size_t pos = 0;
  if (pos < text.size() && IsSign(text[pos])) {
    ++pos;
  }
  std::size_t digits = SkipDigits(text, pos);
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    digits += SkipDigits(text, pos);
  }
  if (digits == 0) {
    return false;
  }
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    if (pos < text.size() && IsSign(text[pos])) {
      ++pos;
    }
    if (SkipDigits(text, pos) == 0) {
      return false;
    }
  }
  return pos == text.size();
}

bool IsInteger(std::string_view text) {
  if (text == "0") {
    return true;
  }
  std::size_t pos = 0;
  if (pos < text.size() && text[pos] == '-') {
    ++pos;
  }
  if (pos == text.size() || text[pos] == '0') {
    return false;
  }
  return SkipDigits(text, pos) > 0 && pos == text.size();
}

std::optional<std::int16_t> ToInt16(std::string_view text) {
  if (!IsInteger(text)) {
    return std::nullopt;
  }
  const bool negative = text.front() == '-';
  // Counted in the magnitude, stopping as soon as it leaves the range, so a
  // text of any length costs nothing and cannot overflow.
  constexpr std::int32_t kMaxMagnitude = 32768;
  std::int32_t magnitude = 0;
  for (const char c : text.substr(negative ? 1 : 0)) {
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > kMaxMagnitude) {
      return std::nullopt;
    }
  }
  const std::int32_t value = negative ? -magnitude : magnitude;
  if (value > INT16_MAX) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(value);
}

}  // namespace quorvel
