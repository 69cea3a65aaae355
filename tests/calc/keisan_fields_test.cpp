// SPDX-License-Identifier: GPL-3.0-or-later
#include "keisan_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string_view>

namespace quorvel {
namespace {

// Each text reaches the member its field is named after, in whatever order
// the fields stand; the options are read by name, and any other text is the
// option that is on at start.
TEST(ReadFields, EachTextReachesItsMember) {
  const std::map<std::string_view, LandChoice> kChoices{{"Land80", LandChoice::Land80},
                                                        {"Land100", LandChoice::Land100},
                                                        {"LandEtc", LandChoice::LandEtc},
                                                        {"", LandChoice::Land80},
                                                        {"landetc", LandChoice::Land80}};
  for (const auto& [choice, expected] : kChoices) {
    const std::map<std::string_view, std::string_view> named{
        {"cboLevelBefore", "  2"}, {"cboLevelAfter", "  5"}, {"cboRensa", " 5～"},
        {"txtGofu", "12"},         {"landChoice", choice},   {"txtLandEtc", "999"}};
    FieldTexts texts;
    std::ranges::transform(kInputFields, texts.begin(),
                           [&named](std::string_view field) { return named.at(field); });
    const KeisanInput input = ReadFields(texts);
    EXPECT_EQ(input.cboLevelBefore, "  2") << choice;
    EXPECT_EQ(input.cboLevelAfter, "  5") << choice;
    EXPECT_EQ(input.cboRensa, " 5～") << choice;
    EXPECT_EQ(input.txtGofu, "12") << choice;
    EXPECT_EQ(input.txtLandEtc, "999") << choice;
    EXPECT_EQ(input.landChoice, expected) << choice;
  }
}

}  // namespace
}  // namespace quorvel
