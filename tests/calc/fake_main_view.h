// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "main_view.h"

namespace quorvel::testing {

// Records every call, in order, as one line of text, so a test can compare
// the whole conversation between the logic and the window at once.
class FakeMainView : public MainView {
 public:
  KeisanInput input;
  AskAnswer answer = AskAnswer::Yes;
  std::vector<std::string> calls;
  // The working of the last SetWorking; kept apart from the conversation,
  // which is that of the five operations.
  KeisanWorking working;

  KeisanInput ReadInput() override {
    calls.emplace_back("ReadInput");
    return input;
  }
  void SetResult(const KeisanResult& r) override {
    std::string call = "SetResult ";
    for (const ResultField& field : kResults) {
      call += (&field == kResults.data() ? "" : "|") + r.*field.text;
    }
    calls.push_back(call);
  }
  void SetWorking(const KeisanWorking& w) override { working = w; }
  void SetFocus(FocusTarget target) override {
    calls.push_back("SetFocus " + std::string(FocusName(target)));
  }
  void Warn(const std::string& message, const std::string& title) override {
    calls.push_back("Warn " + message + "|" + title);
  }
  AskAnswer Ask(const std::string& message, const std::string& title) override {
    calls.push_back("Ask " + message + "|" + title);
    return answer;
  }
};

// The window's default input: levels 1 to 4, chain 3, 50 talismans, 80 G.
inline KeisanInput DefaultInput() {
  KeisanInput in;
  in.cboLevelBefore = "  1";
  in.cboLevelAfter = "  4";
  in.cboRensa = "  3";
  in.txtGofu = "50";
  in.landChoice = LandChoice::Land80;
  in.txtLandEtc = "50";
  return in;
}

inline std::string LevelItem(int level) { return "  " + std::to_string(level); }

}  // namespace quorvel::testing
