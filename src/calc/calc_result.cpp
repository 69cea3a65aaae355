#include "calc_result.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "level_text.h"
#include "number_text.h"

namespace quorvel {
namespace {

struct Amounts {
  std::int32_t held;
  std::int32_t land;
  std::int32_t talismanValue;
  std::int32_t talismanMagic;
  std::int32_t total;
};

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
Amounts Compute(std::int32_t base, int before, int after, double factor, std::int32_t count) {
  Amounts a{};
  const double levelStep = std::exp2(after - 1) - std::exp2(before - 1);
  a.held = static_cast<std::int32_t>(RoundHalfEven(levelStep * -static_cast<double>(base)));
  a.land = static_cast<std::int32_t>(RoundHalfEven(-static_cast<double>(a.held) * factor));
  a.talismanValue = static_cast<std::int32_t>(std::trunc(a.land / 100.0));
  a.talismanMagic = a.talismanValue * count;
  a.total = a.land + a.held + a.talismanMagic;
  return a;
}

std::string Signed(std::int32_t value, bool plusWhenPositive, const char* unit) {
  std::string text = (plusWhenPositive && value > 0) ? "+" : "";
  text += std::to_string(value);
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

std::optional<KeisanResult> ComputeKeisanResult(const KeisanInput& input) {
  const std::optional<std::int32_t> base = BaseValue(input);
  const std::optional<int> before = ReadLevel(input.cboLevelBefore);
  const std::optional<int> after = ReadLevel(input.cboLevelAfter);
  const std::optional<std::int16_t> count = ToInt16(Trim(input.txtGofu));
  if (!base || !before || !after || !count) {
    return std::nullopt;
  }
  const Amounts a = Compute(*base, *before, *after, ChainFactor(Trim(input.cboRensa)), *count);

  // The magic paid is what the player reads here; a refund (a falling level)
  // leaves the box empty, though the total still counts it.
  KeisanResult result;
  result.lblShojiVal = a.held > 0 ? "" : Signed(a.held, false, "G");
  result.lblLandGainVal = Signed(a.land, true, "G");
  result.lblGofukatiVal = Signed(a.talismanValue, true, "");
  result.lblGofuGainVal = Signed(a.talismanMagic, true, "G");
  result.lblGoukeiVal = Signed(a.total, true, "G");
  return result;
}

void CalcResult(const KeisanInput& input, MainView& view) {
  if (const std::optional<KeisanResult> result = ComputeKeisanResult(input)) {
    view.SetResult(*result);
  }
}

}  // namespace quorvel
