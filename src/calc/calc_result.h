// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "keisan_records.h"
#include "main_view.h"

namespace quorvel {

// The multiplier of the land value for a trimmed chain text. Compared as
// text: "1" to "4" have their own factors, anything else counts as five.
double ChainFactor(std::string_view chainText);

// One computation, with every number it used: the inputs as read, and the
// five results as numbers, named as their boxes are. The texts and the
// working behind them are both formed from it, so they cannot disagree.
struct KeisanAmounts {
  std::int32_t base = 0;
  int levelBefore = 0;
  int levelAfter = 0;
  std::string chain;  // the trimmed chain text, "3" or "5～"
  double factor = 0.0;
  std::int32_t count = 0;
  std::int32_t shoji = 0;
  std::int32_t landGain = 0;
  std::int32_t gofukati = 0;
  std::int32_t gofuGain = 0;
  std::int32_t goukei = 0;
};

// The numbers for an input that CheckInput has accepted. Empty for an input
// whose levels, base value or talisman count do not read as numbers in
// range, so no caller can push the arithmetic out of the 32-bit range.
std::optional<KeisanAmounts> ComputeKeisan(const KeisanInput& input);

// The five texts the result boxes show for those numbers.
KeisanResult ResultTexts(const KeisanAmounts& amounts);

// ComputeKeisan, then ResultTexts.
std::optional<KeisanResult> ComputeKeisanResult(const KeisanInput& input);

// Computes the results and writes all five through `view`, then the working
// behind them.
void CalcResult(const KeisanInput& input, MainView& view);

}  // namespace quorvel
