// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

// The romaji names (keisan, gofu, rensa, ...) are glossed beside the design
// table, src/design/frm_gofu_design.h.
namespace quorvel {

// Which base-value option is on; the three options share one frame, so
// exactly one of them is.
enum class LandChoice { Land80, Land100, LandEtc };

// Each option by the name the front ends know it by: the option's control
// is "opt" and this name ("optLand80"), and the page's radio button has it
// as its value. The design table is checked against this list as it
// compiles, so an option without a choice here does not build.
struct LandOption {
  LandChoice choice;
  std::string_view name;
};
inline constexpr std::array<LandOption, 3> kLandOptions{{
    {LandChoice::Land80, "Land80"},
    {LandChoice::Land100, "Land100"},
    {LandChoice::LandEtc, "LandEtc"},
}};

// The choice of that name; empty for a name the list lacks.
constexpr std::optional<LandChoice> LandChoiceNamed(std::string_view name) {
  // Not std::ranges: the page's Emscripten (3.1.6) lacks its algorithms.
  const auto* option = std::find_if(kLandOptions.begin(), kLandOptions.end(),
                                    [name](const LandOption& each) { return each.name == name; });
  if (option == kLandOptions.end()) {
    return std::nullopt;
  }
  return option->choice;
}

// What one request reads from the window. Texts are UTF-8 and kept exactly as
// the controls hold them: list items with their leading blanks, boxes as typed.
struct KeisanInput {
  std::string cboLevelBefore;
  std::string cboLevelAfter;
  std::string cboRensa;
  std::string txtGofu;
  LandChoice landChoice = LandChoice::Land80;
  std::string txtLandEtc;
};

// A warning or question handed back by a check, with its box caption.
struct CheckMessage {
  std::string message;
  std::string title;
};

// The control that gets the keyboard focus after a failed check.
enum class FocusTarget { txtLandEtc, cboLevelBefore, txtGofu };

// The name of the control, which is also the field's id on the web page. A
// target without a case here is a warning, and so a build error.
constexpr std::string_view FocusName(FocusTarget target) {
  switch (target) {
    case FocusTarget::txtLandEtc:
      return "txtLandEtc";
    case FocusTarget::cboLevelBefore:
      return "cboLevelBefore";
    case FocusTarget::txtGofu:
      return "txtGofu";
  }
  std::abort();  // GCOVR_EXCL_LINE: not an enumerator
}

// The five result texts, each bound for the label of the same name. A text
// may be empty, and then the label is emptied.
struct KeisanResult {
  std::string lblShojiVal;
  std::string lblLandGainVal;
  std::string lblGofukatiVal;
  std::string lblGofuGainVal;
  std::string lblGoukeiVal;

  friend bool operator==(const KeisanResult&, const KeisanResult&) = default;
};

// How a computation was reached, for a player who doubts a number: one line
// of working for each result, bound for the box of the same name as the
// result is, and the whole calculation as one text to copy or send.
struct KeisanWorking {
  KeisanResult lines;
  std::string summary;
};

// One of the five results: the member of KeisanResult, the value box of the
// same name, which front ends show it in, and the caption beside that box,
// which a summary of the results writes before it.
struct ResultField {
  std::string KeisanResult::*text;
  std::string_view name;
  std::string_view caption;
};

// The five results in the window's reading order.
inline constexpr std::array<ResultField, 5> kResults{{
    {&KeisanResult::lblShojiVal, "lblShojiVal", "所持魔力変動"},
    {&KeisanResult::lblLandGainVal, "lblLandGainVal", "土地価値変動"},
    {&KeisanResult::lblGofukatiVal, "lblGofukatiVal", "護符価値変動"},
    {&KeisanResult::lblGofuGainVal, "lblGofuGainVal", "護符魔力変動"},
    {&KeisanResult::lblGoukeiVal, "lblGoukeiVal", "総魔力変動"},
}};

}  // namespace quorvel
