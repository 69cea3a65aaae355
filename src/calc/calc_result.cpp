// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc_result.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "keisan_working.h"
#include "level_text.h"
#include "number_text.h"

namespace quorvel {
namespace {

// Halves go to the even neighbour, so +82.5 and -82.5 both become 82 in size:
// rounding away from zero would overstate every odd half-step of the 1.5
// chain. Written out rather than left to the floating-point environment.
double RoundHalfEven(double value) {
  if (std::fabs(value - std::trunc(value)) == 0.5) {
    return 2.0 * std::round(value / 2.0);
  }
  return std::round(value);
}

std::optional<std::int32_t> BaseValue(const KeisanInput& input) {
  switch (input.landChoice) {
    case LandChoice::Land80:
      return 80;
    case LandChoice::Land100:
      return 100;
    case LandChoice::LandEtc:
      break;
  }
  return ToInt16(Trim(input.txtLandEtc));
}

// Every value stays below 4e8 in size for levels 1..5 and 16-bit base values
// and counts, so the conversions back to int32 are exact and in range.
void Compute(KeisanAmounts& a) {
  const double levelStep = std::exp2(a.levelAfter - 1) - std::exp2(a.levelBefore - 1);
  a.shoji = static_cast<std::int32_t>(RoundHalfEven(levelStep * -static_cast<double>(a.base)));
  a.landGain = static_cast<std::int32_t>(RoundHalfEven(-static_cast<double>(a.shoji) * a.factor));
  a.gofukati = static_cast<std::int32_t>(std::trunc(a.landGain / 100.0));
  a.gofuGain = a.gofukati * a.count;
  a.goukei = a.landGain + a.shoji + a.gofuGain;
}

std::string Signed(std::int32_t value, bool plusWhenPositive, const char* unit) {
  std::string text = (plusWhenPositive && value > 0) ? "+" : "";
  text += DecimalText(value);
  text += unit;
  return text;
}

}  // namespace

double ChainFactor(std::string_view chainText) {
  if (chainText == "1") {
    return 1.0;
  }
  if (chainText == "2") {
    return 1.5;
  }
  if (chainText == "3") {
    return 1.8;
  }
  if (chainText == "4") {
    return 2.0;
  }
  return 2.2;
}

std::optional<KeisanAmounts> ComputeKeisan(const KeisanInput& input) {
  const std::optional<std::int32_t> base = BaseValue(input);
  const std::optional<int> before = ReadLevel(input.cboLevelBefore);
  const std::optional<int> after = ReadLevel(input.cboLevelAfter);
  const std::optional<std::int16_t> count = ToInt16(Trim(input.txtGofu));
  if (!base || !before || !after || !count) {
    return std::nullopt;
  }
  KeisanAmounts amounts;
  amounts.base = *base;
  amounts.levelBefore = *before;
  amounts.levelAfter = *after;
  amounts.chain = Trim(input.cboRensa);
  amounts.factor = ChainFactor(amounts.chain);
  amounts.count = *count;
  Compute(amounts);
  return amounts;
}

KeisanResult ResultTexts(const KeisanAmounts& a) {
  // The magic paid is what the player reads here; a refund (a falling level)
  // leaves the box empty, though the total still counts it.
  KeisanResult result;
  result.lblShojiVal = a.shoji > 0 ? "" : Signed(a.shoji, false, "G");
  result.lblLandGainVal = Signed(a.landGain, true, "G");
  result.lblGofukatiVal = Signed(a.gofukati, true, "");
  result.lblGofuGainVal = Signed(a.gofuGain, true, "G");
  result.lblGoukeiVal = Signed(a.goukei, true, "G");
  return result;
}

std::optional<KeisanResult> ComputeKeisanResult(const KeisanInput& input) {
  const std::optional<KeisanAmounts> amounts = ComputeKeisan(input);
  if (!amounts) {
    return std::nullopt;
  }
  return ResultTexts(*amounts);
}

void CalcResult(const KeisanInput& input, MainView& view) {
  if (const std::optional<KeisanAmounts> amounts = ComputeKeisan(input)) {
    const KeisanResult result = ResultTexts(*amounts);
    view.SetResult(result);
    view.SetWorking(Explain(*amounts, result));
  }
}

}  // namespace quorvel
