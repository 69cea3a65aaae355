// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"

#include <array>
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

void AppendDecimal(std::string& text, std::int64_t value, int fractionDigits) {
  // The digits, written from the end of the buffer: at least one before the
  // point, and all of the fraction's.
  std::array<char, 24> buffer{};
  const std::string_view digits(buffer.data(), buffer.size());
  const std::size_t point = buffer.size() - static_cast<std::size_t>(fractionDigits);
  std::size_t first = buffer.size();
  std::uint64_t rest =
      value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  do {
    buffer.at(--first) = static_cast<char>('0' + rest % 10);
    rest /= 10;
  } while (rest != 0 || first >= point);
  if (value < 0) {
    text += '-';
  }
  text += digits.substr(first, point - first);
  // The fraction without its trailing zeros, and without the point if none is left.
  std::size_t last = buffer.size();
  while (last != point && buffer.at(last - 1) == '0') {
    --last;
  }
  if (last != point) {
    text += '.';
    text += digits.substr(point, last - point);
  }
}

std::string DecimalText(std::int64_t value, int fractionDigits) {
  std::string text;
  AppendDecimal(text, value, fractionDigits);
  return text;
}

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
