// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "keisan_records.h"
#include "main_view.h"

namespace quorvel {

// The multiplier of the land value for a trimmed chain text. Compared as
// text: "1" to "4" have their own factors, anything else counts as five.
double ChainFactor(std::string_view chainText);

// The five result texts for an input that CheckInput has accepted. Empty for
// an input whose levels, base value or talisman count do not read as numbers
// in range, so no caller can push the arithmetic out of the 32-bit range.
std::optional<KeisanResult> ComputeKeisanResult(const KeisanInput& input);

// Computes the results and writes all five through `view`.
void CalcResult(const KeisanInput& input, MainView& view);

}  // namespace quorvel
