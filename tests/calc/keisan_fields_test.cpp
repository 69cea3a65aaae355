// SPDX-License-Identifier: GPL-3.0-or-later
#include "keisan_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string_view>

namespace quorvel {
namespace {

// Each text reaches the member its field is named after, in whatever order
// the fields stand; the options are read by name, and a name that is no
// option's is a fault that throws, not a choice.
TEST(ReadFields, EachTextReachesItsMember) {
  const std::map<std::string_view, std::optional<LandChoice>> kChoices{
      {"Land80", LandChoice::Land80},
      {"Land100", LandChoice::Land100},
      {"LandEtc", LandChoice::LandEtc},
      {"", std::nullopt},
      {"landetc", std::nullopt}};
  for (const auto& [choice, expected] : kChoices) {
    const std::map<std::string_view, std::string_view> named{
        {"cboLevelBefore", "  2"}, {"cboLevelAfter", "  5"}, {"cboRensa", " 5～"},
        {"txtGofu", "12"},         {kLandGroup, choice},     {"txtLandEtc", "999"}};
    FieldTexts texts;
    std::ranges::transform(kInputFields, texts.begin(),
                           [&named](std::string_view field) { return named.at(field); });
    if (!expected) {
      EXPECT_THROW(ReadFields(texts), std::bad_optional_access) << choice;
      continue;
    }
    const KeisanInput input = ReadFields(texts);
    EXPECT_EQ(input.cboLevelBefore, "  2") << choice;
    EXPECT_EQ(input.cboLevelAfter, "  5") << choice;
    EXPECT_EQ(input.cboRensa, " 5～") << choice;
    EXPECT_EQ(input.txtGofu, "12") << choice;
    EXPECT_EQ(input.txtLandEtc, "999") << choice;
    EXPECT_EQ(input.landChoice, *expected) << choice;
  }
}

}  // namespace
}  // namespace quorvel
