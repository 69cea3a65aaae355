// SPDX-License-Identifier: GPL-3.0-or-later
#include "keisan_request.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_main_view.h"

namespace quorvel {
namespace {

using test::DefaultInput;
using test::FakeMainView;
using test::LevelItem;

constexpr const char* kQuestion = "土地レベルが下がります。続けますか？";

struct Request {
  const char* name;
  KeisanInput input;
  AskAnswer answer;
  std::vector<std::string> calls;
};

KeisanInput With(int before, int after, const char* gofu = "50") {
  KeisanInput in = DefaultInput();
  in.cboLevelBefore = LevelItem(before);
  in.cboLevelAfter = LevelItem(after);
  in.txtGofu = gofu;
  return in;
}

KeisanInput WithBadBase() {
  KeisanInput in = With(3, 1);
  in.landChoice = LandChoice::LandEtc;
  in.txtLandEtc = "abc";
  return in;
}

TEST(cmdKeisan_Click, TheWholeConversationWithTheWindow) {
  const std::string question = std::string("Ask ") + kQuestion + "|";
  const Request rows[] = {
      {"defaults rise",
       DefaultInput(),
       AskAnswer::No,
       {"ReadInput", "SetResult -560G|+1008G|+10|+500G|+948G"}},
      {"2 to 4 asks nothing",
       With(2, 4),
       AskAnswer::No,
       {"ReadInput", "SetResult -480G|+864G|+8|+400G|+784G"}},
      {"fall answered No",
       With(3, 1),
       AskAnswer::No,
       {"ReadInput", question + "メテオですか？", "SetFocus cboLevelBefore"}},
      {"fall answered Yes",
       With(3, 1),
       AskAnswer::Yes,
       {"ReadInput", question + "メテオですか？", "SetResult |-432G|-4|-200G|-392G"}},
      {"fall by one answered Yes",
       With(4, 3, "0"),
       AskAnswer::Yes,
       {"ReadInput", question + "ローカストですか？ サブサイドですか？",
        "SetResult |-576G|-5|0G|-256G"}},
      {"bad count warns once, even on a fall",
       With(5, 2, "x"),
       AskAnswer::Yes,
       {"ReadInput", "SetFocus txtGofu", "Warn 護符枚数には数値を入力してください|護符枚数エラー"}},
      {"bad base warns before the level",
       WithBadBase(),
       AskAnswer::Yes,
       {"ReadInput", "SetFocus txtLandEtc",
        "Warn 基本土地価値には数値を入力してください|基本土地価値エラー"}},
      {"equal levels warn",
       With(2, 2),
       AskAnswer::Yes,
       {"ReadInput", "SetFocus cboLevelBefore",
        "Warn 土地レベルが変化していません|土地レベルエラー"}},
  };
  for (const Request& row : rows) {
    FakeMainView view;
    view.input = row.input;
    view.answer = row.answer;
    cmdKeisan_Click(view);
    EXPECT_EQ(view.calls, row.calls) << row.name;
  }
}

}  // namespace
}  // namespace quorvel
