// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// Removes the ASCII blanks (U+0020) at both ends; blanks inside stay, and
// other white space (tab, U+3000) is kept as part of the text.
std::string Trim(std::string_view text);

// A sign, ASCII digits with at most one point and at least one digit, then an
// optional exponent (e or E, a sign, at least one digit). Nothing else.
bool IsNumeric(std::string_view text);

// True only for the canonical decimal form of a whole number: "0", or an
// optional "-" and digits without a leading zero. "-0" is not canonical.
bool IsInteger(std::string_view text);

// The decimal form of value / 10^fractionDigits, exactly: ASCII digits, "-"
// before a negative value, no grouping, and no trailing zero after the point
// ("10.08", "-2.4", "82"). The inverse of reading a plain decimal.
std::string DecimalText(std::int64_t value, int fractionDigits = 0);

// DecimalText, written at the end of `text`.
void AppendDecimal(std::string& text, std::int64_t value, int fractionDigits = 0);

// The value of a text that passes IsInteger, when it lies in -32768..32767;
// empty for any other text, so a caller can never wrap or overflow.
std::optional<std::int16_t> ToInt16(std::string_view text);

}  // namespace quorvel
