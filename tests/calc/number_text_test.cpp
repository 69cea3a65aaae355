// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace quorvel {
namespace {

TEST(Trim, RemovesOnlyAsciiBlanksAtTheEnds) {
  const struct {
    const char* text;
    const char* trimmed;
  } rows[] = {
      {"", ""},
      {"   ", ""},
      {"  1", "1"},
      {" 7 ", "7"},
      {"1 2", "1 2"},
      {" 5～", "5～"},
      {"\t7", "\t7"},
      {"7\t ", "7\t"},
      {"\u30007", "\u30007"},
      {" \u3000 ", "\u3000"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Trim(row.text), row.trimmed) << "text [" << row.text << "]";
  }
}

TEST(ToInt16, ConvertsOnlyCanonicalWholeNumbersInRange) {
  const struct {
    std::string text;
    std::optional<std::int16_t> value;
  } rows[] = {
      {"0", 0},
      {"7", 7},
      {"-3", -3},
      {"999", 999},
      {"32767", 32767},
      {"-32768", -32768},
      {"32768", std::nullopt},
      {"-32769", std::nullopt},
      {"99999", std::nullopt},
      {"65543", std::nullopt},  // would wrap to 7 in 16 bits
      {std::string(100, '9'), std::nullopt},
      {"-" + std::string(100, '9'), std::nullopt},
      {"-0", std::nullopt},
      {"05", std::nullopt},
      {"+5", std::nullopt},
      {"1e2", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ToInt16(row.text), row.value) << "text [" << row.text << "]";
  }
}

// The grammar of a number, written independently as a regular expression.
bool NumericOracle(const std::string& text) {
  static const std::regex grammar(R"([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)");
  return std::regex_match(text, grammar);
}

// Read literally: the text equals the decimal form of the greatest integer not
// above the number it reads as. Texts of three characters stay far inside the
// range of long double and long long.
bool IntegerOracle(const std::string& text) {
  const long double number = std::strtold(text.c_str(), nullptr);
  const auto integerPart = static_cast<long long>(std::floor(number));
  return std::to_string(integerPart) == text;
}

std::vector<std::string> TextsUpToThreeSymbols() {
  const std::vector<std::string> alphabet = {"0", "1", "5", "9", "+",  "-",  ".",  "e",     "E",
                                             " ", "a", "d", "x", "\t", "０", "１", "\u3000"};
  std::vector<std::string> texts = {""};
  std::size_t begin = 0;
  for (int length = 1; length <= 3; ++length) {
    const std::size_t end = texts.size();
    for (std::size_t i = begin; i < end; ++i) {
      for (const std::string& symbol : alphabet) {
        texts.push_back(texts[i] + symbol);
      }
    }
    begin = end;
  }
  return texts;
}

TEST(NumberTests, AgreeWithTheGrammarOnEveryShortText) {
  const std::vector<std::string> texts = TextsUpToThreeSymbols();
  ASSERT_EQ(texts.size(), 1U + 17U + 17U * 17U + 17U * 17U * 17U);
  int numeric = 0;
  int integer = 0;
  for (const std::string& text : texts) {
    const bool isNumeric = NumericOracle(text);
    ASSERT_EQ(IsNumeric(text), isNumeric) << "numeric test of [" << text << "]";
    if (isNumeric) {
      ++numeric;
      const bool isInteger = IntegerOracle(text);
      integer += isInteger ? 1 : 0;
      ASSERT_EQ(IsInteger(text), isInteger) << "integer test of [" << text << "]";
      // Every canonical number of three characters is in the 16-bit range.
      ASSERT_EQ(ToInt16(text).has_value(), isInteger) << "conversion of [" << text << "]";
    }
  }
  // Guards the alphabet: both outcomes must be well represented.
  EXPECT_GT(numeric, 200);
  EXPECT_GT(integer, 50);
}

}  // namespace
}  // namespace quorvel
