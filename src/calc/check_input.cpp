// SPDX-License-Identifier: GPL-3.0-or-later
#include "check_input.h"

#include <cstdint>
#include <optional>
#include <string>

#include "level_text.h"
#include "number_text.h"

namespace quorvel {
namespace {

struct Failure {
  const char* message;
  const char* title;
  FocusTarget focus;
};

// The warnings of one whole-number field, in the order they are tested.
struct NumberField {
  Failure notNumeric;
  Failure notInteger;
  Failure tooSmall;
  Failure tooLarge;
  std::int16_t minimum;
};

constexpr const char* kLandTitle = "基本土地価値エラー";
constexpr const char* kLevelTitle = "土地レベルエラー";
constexpr const char* kGofuTitle = "護符枚数エラー";

// The boxes hold three characters, so the window cannot deliver a value above
// 999; tooLarge guards callers that can, instead of letting the value wrap.
constexpr NumberField kLandEtcField{
    {"基本土地価値には数値を入力してください", kLandTitle, FocusTarget::txtLandEtc},
    {"基本土地価値には整数を入力してください", kLandTitle, FocusTarget::txtLandEtc},
    {"基本土地価値には正の数を入力してください", kLandTitle, FocusTarget::txtLandEtc},
    {"基本土地価値には32767以下の数を入力してください", kLandTitle, FocusTarget::txtLandEtc},
    1};

constexpr NumberField kGofuField{
    {"護符枚数には数値を入力してください", kGofuTitle, FocusTarget::txtGofu},
    {"護符枚数には整数を入力してください", kGofuTitle, FocusTarget::txtGofu},
    {"護符枚数には0以上の数を入力してください", kGofuTitle, FocusTarget::txtGofu},
    {"護符枚数には32767以下の数を入力してください", kGofuTitle, FocusTarget::txtGofu},
    0};

// The lists offer only "  1" to "  5"; another caller could pass anything.
constexpr Failure kLevelNotListed{"土地レベルには1から5を選んでください", kLevelTitle,
                                  FocusTarget::cboLevelBefore};

constexpr Failure kLevelUnchanged{"土地レベルが変化していません", kLevelTitle,
                                  FocusTarget::cboLevelBefore};

const Failure* CheckNumber(const std::string& typed, const NumberField& field) {
  const std::string text = Trim(typed);
  if (!IsNumeric(text)) {
    return &field.notNumeric;
  }
  if (!IsInteger(text)) {
    return &field.notInteger;
  }
  const std::optional<std::int16_t> value = ToInt16(text);
  if (!value) {
    // Out of the 16-bit range: a negative text is below the minimum too.
    return text.front() == '-' ? &field.tooSmall : &field.tooLarge;
  }
  return *value < field.minimum ? &field.tooSmall : nullptr;
}

const Failure* FindFailure(const KeisanInput& input) {
  if (input.landChoice == LandChoice::LandEtc) {
    if (const Failure* failure = CheckNumber(input.txtLandEtc, kLandEtcField)) {
      return failure;
    }
  }
  if (!ReadLevel(input.cboLevelBefore) || !ReadLevel(input.cboLevelAfter)) {
    return &kLevelNotListed;
  }
  // Compared as they stand: both lists hold the same item texts.
  if (input.cboLevelBefore == input.cboLevelAfter) {
    return &kLevelUnchanged;
  }
  return CheckNumber(input.txtGofu, kGofuField);
}

}  // namespace

std::optional<Rejection> FindRejection(const KeisanInput& input) {
  const Failure* failure = FindFailure(input);
  if (failure == nullptr) {
    return std::nullopt;
  }
  return Rejection{{failure->message, failure->title}, failure->focus};
}

bool CheckInput(const KeisanInput& input, CheckMessage& check, MainView& view) {
  check = {};
  const std::optional<Rejection> rejection = FindRejection(input);
  if (!rejection) {
    return false;
  }
  check = rejection->check;
  view.SetFocus(rejection->focus);
  return true;
}

}  // namespace quorvel
