// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "calc_result.h"
#include "keisan_records.h"

namespace quorvel {

// The working behind the texts formed from `amounts`, and the summary of the
// calculation: its inputs in one line, then each caption with its result as
// the box shows it. Numbers are plain ASCII decimals; where a value is
// rounded or cut, the line says so.
KeisanWorking Explain(const KeisanAmounts& amounts, const KeisanResult& texts);

// The same for an input that computes; empty where ComputeKeisan is.
std::optional<KeisanWorking> ExplainKeisan(const KeisanInput& input);

}  // namespace quorvel
