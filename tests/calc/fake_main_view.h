// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "frm_gofu_design.h"
#include "main_view.h"

namespace quorvel::test {

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

// The window's start, as the design table gives it: each list's selected
// item, each box's text and the option that is on (levels 1 to 4, chain 3,
// 50 talismans, 80 G).
inline KeisanInput DefaultInput() {
  const auto item = [](std::string_view name) {
    const design::Control& list = design::Find(name);
    return std::string(list.items[static_cast<std::size_t>(list.selected)]);
  };
  const auto text = [](std::string_view name) { return std::string(design::Find(name).text); };
  KeisanInput in{.cboLevelBefore = item("cboLevelBefore"),
                 .cboLevelAfter = item("cboLevelAfter"),
                 .cboRensa = item("cboRensa"),
                 .txtGofu = text("txtGofu"),
                 .txtLandEtc = text("txtLandEtc")};
  const auto on = std::ranges::find_if(design::kControls, [](const design::Control& control) {
    return control.kind == design::Kind::Option && control.on;
  });
  in.landChoice = LandChoiceNamed(design::LandNameOf(*on)).value();
  return in;
}

// The level list's item of a level, 1 to 5.
inline std::string LevelItem(int level) {
  return std::string(kLevelItems.at(static_cast<std::size_t>(level - 1)));
}

}  // namespace quorvel::test
