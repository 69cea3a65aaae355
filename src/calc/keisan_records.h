#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quorvel {

// Which base-value option is on; the three options share one frame, so
// exactly one of them is.
enum class LandChoice { Land80, Land100, LandEtc };

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

// The name of the control, which is also the field's id on the web page.
constexpr std::string_view FocusName(FocusTarget target) {
  constexpr std::array<std::string_view, 3> kNames{"txtLandEtc", "cboLevelBefore", "txtGofu"};
  return kNames.at(static_cast<std::size_t>(target));
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

// The five results in the window's reading order, for front ends that list
// them rather than name them.
inline constexpr std::array<std::string KeisanResult::*, 5> kResultTexts{
    &KeisanResult::lblShojiVal, &KeisanResult::lblLandGainVal, &KeisanResult::lblGofukatiVal,
    &KeisanResult::lblGofuGainVal, &KeisanResult::lblGoukeiVal};

}  // namespace quorvel
