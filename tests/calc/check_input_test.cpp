// SPDX-License-Identifier: GPL-3.0-or-later
#include "check_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_main_view.h"

namespace quorvel {
namespace {

using test::DefaultInput;
using test::FakeMainView;

constexpr const char* kLandTitle = "基本土地価値エラー";
constexpr const char* kLevelTitle = "土地レベルエラー";
constexpr const char* kGofuTitle = "護符枚数エラー";

struct Row {
  const char* name;
  LandChoice land;
  std::string landEtc;
  std::string before;
  std::string after;
  std::string gofu;
  // Empty message: the input passes.
  std::string message;
  std::string title;
  std::string focus;
};

const char* const kLandNumber = "基本土地価値には数値を入力してください";
const char* const kLandWhole = "基本土地価値には整数を入力してください";
const char* const kLandPositive = "基本土地価値には正の数を入力してください";
const char* const kLandTooLarge = "基本土地価値には32767以下の数を入力してください";
const char* const kLevelSame = "土地レベルが変化していません";
const char* const kLevelNotListed = "土地レベルには1から5を選んでください";
const char* const kGofuNumber = "護符枚数には数値を入力してください";
const char* const kGofuWhole = "護符枚数には整数を入力してください";
const char* const kGofuNotNegative = "護符枚数には0以上の数を入力してください";
const char* const kGofuTooLarge = "護符枚数には32767以下の数を入力してください";

constexpr LandChoice k80 = LandChoice::Land80;
constexpr LandChoice k100 = LandChoice::Land100;
constexpr LandChoice kEtc = LandChoice::LandEtc;

const std::vector<Row>& Rows() {
  static const std::vector<Row> rows = {
      {"defaults pass", k80, "50", "  1", "  4", "50", "", "", ""},
      {"100 G passes", k100, "50", "  2", "  3", "0", "", "", ""},
      {"custom 1 passes", kEtc, "1", "  1", "  2", "999", "", "", ""},
      {"custom blanks trimmed", kEtc, " 7 ", "  1", "  2", " 7 ", "", "", ""},
      {"custom ignored with 80", k80, "abc", "  1", "  2", "5", "", "", ""},
      {"custom ignored with 100", k100, "-5", "  1", "  2", "5", "", "", ""},
      {"row 1 letters", kEtc, "abc", "  1", "  2", "5", kLandNumber, kLandTitle, "txtLandEtc"},
      {"row 1 empty", kEtc, "", "  1", "  2", "5", kLandNumber, kLandTitle, "txtLandEtc"},
      {"row 1 blanks", kEtc, "   ", "  1", "  2", "5", kLandNumber, kLandTitle, "txtLandEtc"},
      {"row 1 sign alone", kEtc, "-", "  1", "  2", "5", kLandNumber, kLandTitle, "txtLandEtc"},
      {"row 1 full-width digit", kEtc, "５", "  1", "  2", "5", kLandNumber, kLandTitle,
       "txtLandEtc"},
      {"row 2 fraction", kEtc, "1.5", "  1", "  2", "5", kLandWhole, kLandTitle, "txtLandEtc"},
      {"row 2 plus", kEtc, "+5", "  1", "  2", "5", kLandWhole, kLandTitle, "txtLandEtc"},
      {"row 2 leading zero", kEtc, "05", "  1", "  2", "5", kLandWhole, kLandTitle, "txtLandEtc"},
      {"row 2 exponent", kEtc, "1e2", "  1", "  2", "5", kLandWhole, kLandTitle, "txtLandEtc"},
      {"row 2 minus zero", kEtc, "-0", "  1", "  2", "5", kLandWhole, kLandTitle, "txtLandEtc"},
      {"row 3 zero", kEtc, "0", "  1", "  2", "5", kLandPositive, kLandTitle, "txtLandEtc"},
      {"row 3 negative", kEtc, "-5", "  1", "  2", "5", kLandPositive, kLandTitle, "txtLandEtc"},
      {"row 3 below 16 bits", kEtc, "-99999", "  1", "  2", "5", kLandPositive, kLandTitle,
       "txtLandEtc"},
      {"custom above 16 bits", kEtc, "99999", "  1", "  2", "5", kLandTooLarge, kLandTitle,
       "txtLandEtc"},
      {"custom hundred digits", kEtc, std::string(100, '9'), "  1", "  2", "5", kLandTooLarge,
       kLandTitle, "txtLandEtc"},
      {"custom 32767 passes", kEtc, "32767", "  1", "  2", "5", "", "", ""},
      {"row 4", k80, "50", "  3", "  3", "5", kLevelSame, kLevelTitle, "cboLevelBefore"},
      {"level not listed", k80, "50", "  6", "  3", "5", kLevelNotListed, kLevelTitle,
       "cboLevelBefore"},
      {"level after not listed", k80, "50", "  3", "x", "5", kLevelNotListed, kLevelTitle,
       "cboLevelBefore"},
      {"row 5 empty", k80, "50", "  1", "  2", "", kGofuNumber, kGofuTitle, "txtGofu"},
      {"row 5 blanks", k80, "50", "  1", "  2", "   ", kGofuNumber, kGofuTitle, "txtGofu"},
      {"row 5 letters", k80, "50", "  1", "  2", "abc", kGofuNumber, kGofuTitle, "txtGofu"},
      {"row 5 point alone", k80, "50", "  1", "  2", ".", kGofuNumber, kGofuTitle, "txtGofu"},
      {"row 5 bare exponent", k80, "50", "  1", "  2", "1e", kGofuNumber, kGofuTitle, "txtGofu"},
      {"row 6 fraction", k80, "50", "  1", "  2", "1.5", kGofuWhole, kGofuTitle, "txtGofu"},
      {"row 6 plus", k80, "50", "  1", "  2", "+5", kGofuWhole, kGofuTitle, "txtGofu"},
      {"row 6 leading zero", k80, "50", "  1", "  2", "05", kGofuWhole, kGofuTitle, "txtGofu"},
      {"row 6 exponent", k80, "50", "  1", "  2", "1e2", kGofuWhole, kGofuTitle, "txtGofu"},
      {"row 7", k80, "50", "  1", "  2", "-3", kGofuNotNegative, kGofuTitle, "txtGofu"},
      {"row 7 below 16 bits", k80, "50", "  1", "  2", "-40000", kGofuNotNegative, kGofuTitle,
       "txtGofu"},
      {"count above 16 bits", k80, "50", "  1", "  2", "32768", kGofuTooLarge, kGofuTitle,
       "txtGofu"},
      {"count zero passes", k80, "50", "  1", "  2", "0", "", "", ""},
      {"precedence: base first", kEtc, "abc", "  3", "  3", "x", kLandNumber, kLandTitle,
       "txtLandEtc"},
      {"precedence: whole base first", kEtc, "1.5", "  3", "  3", "-3", kLandWhole, kLandTitle,
       "txtLandEtc"},
      {"precedence: positive base first", kEtc, "0", "  3", "  3", "", kLandPositive, kLandTitle,
       "txtLandEtc"},
      {"precedence: levels before count", kEtc, "5", "  3", "  3", "abc", kLevelSame, kLevelTitle,
       "cboLevelBefore"},
      {"precedence: levels even with 80", k80, "abc", "  2", "  2", "-1", kLevelSame, kLevelTitle,
       "cboLevelBefore"},
  };
  return rows;
}

TEST(CheckInput, EachRowWithItsMessageTitleAndFocus) {
  for (const Row& row : Rows()) {
    KeisanInput in = DefaultInput();
    in.landChoice = row.land;
    in.txtLandEtc = row.landEtc;
    in.cboLevelBefore = row.before;
    in.cboLevelAfter = row.after;
    in.txtGofu = row.gofu;
    FakeMainView view;
    CheckMessage check{"stale message", "stale title"};

    const bool failed = CheckInput(in, check, view);

    SCOPED_TRACE(row.name);
    EXPECT_EQ(failed, !row.message.empty());
    EXPECT_EQ(check.message, row.message);
    EXPECT_EQ(check.title, row.title);
    const std::vector<std::string> expectedCalls =
        row.focus.empty() ? std::vector<std::string>{}
                          : std::vector<std::string>{"SetFocus " + row.focus};
    EXPECT_EQ(view.calls, expectedCalls);
  }
}

}  // namespace
}  // namespace quorvel
