// SPDX-License-Identifier: GPL-3.0-or-later
#include "check_level_down.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_main_view.h"

namespace quorvel {
namespace {

using test::DefaultInput;
using test::LevelItem;

constexpr const char* kQuestion = "土地レベルが下がります。続けますか？";
constexpr const char* kOneDown = "ローカストですか？ サブサイドですか？";
constexpr const char* kToOne = "メテオですか？";
constexpr const char* kTwoDown = "何事ですか？";
constexpr const char* kFiveToTwo = "有り得ますか？";

TEST(CheckLevelDown, EveryOrderedPairOfLevels) {
  const struct {
    int before;
    int after;
    const char* title;  // nullptr: no question
  } rows[] = {
      {1, 2, nullptr}, {1, 3, nullptr}, {1, 4, nullptr},    {1, 5, nullptr},  {2, 1, kOneDown},
      {2, 3, nullptr}, {2, 4, nullptr}, {2, 5, nullptr},    {3, 1, kToOne},   {3, 2, kOneDown},
      {3, 4, nullptr}, {3, 5, nullptr}, {4, 1, kToOne},     {4, 2, kTwoDown}, {4, 3, kOneDown},
      {4, 5, nullptr}, {5, 1, kToOne},  {5, 2, kFiveToTwo}, {5, 3, kTwoDown}, {5, 4, kOneDown},
  };
  for (const auto& row : rows) {
    KeisanInput in = DefaultInput();
    in.cboLevelBefore = LevelItem(row.before);
    in.cboLevelAfter = LevelItem(row.after);
    CheckMessage check{"stale", "stale"};

    const bool asked = CheckLevelDown(in, check);

    SCOPED_TRACE(std::to_string(row.before) + " -> " + std::to_string(row.after));
    EXPECT_EQ(asked, row.title != nullptr);
    EXPECT_EQ(check.message, row.title ? kQuestion : "");
    EXPECT_EQ(check.title, row.title ? row.title : "");
  }
}

TEST(CheckLevelDown, AsksNothingForEqualOrUnreadableLevels) {
  const struct {
    const char* before;
    const char* after;
  } rows[] = {{"  3", "  3"}, {"  5", "  5"}, {"abc", "  1"}, {"  5", ""}, {"99999", "  1"}};
  for (const auto& row : rows) {
    KeisanInput in = DefaultInput();
    in.cboLevelBefore = row.before;
    in.cboLevelAfter = row.after;
    CheckMessage check{"stale", "stale"};
    EXPECT_FALSE(CheckLevelDown(in, check)) << row.before << " -> " << row.after;
    EXPECT_EQ(check.message, "");
    EXPECT_EQ(check.title, "");
  }
}

}  // namespace
}  // namespace quorvel
