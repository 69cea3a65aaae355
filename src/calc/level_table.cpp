// SPDX-License-Identifier: GPL-3.0-or-later
#include "level_table.h"

#include <optional>

#include "calc_result.h"
#include "check_input.h"
#include "check_level_down.h"
#include "level_text.h"

namespace quorvel {

std::vector<LevelRow> LevelTable(const KeisanInput& input) {
  std::vector<LevelRow> rows;
  ForEachLevel(input, [&rows](const LevelRow& row) { rows.push_back(row); });
  return rows;
}

void ForEachLevel(const KeisanInput& input, const std::function<void(const LevelRow&)>& visit) {
  if (FindRejection(input)) {
    return;
  }
  for (const std::string_view item : kLevelItems) {
    // The level before is the one item that CheckInput would turn away.
    if (item == input.cboLevelBefore) {
      continue;
    }
    KeisanInput picked = input;
    picked.cboLevelAfter = item;
    // An accepted input computes with every level item; were it not to,
    // this throws rather than leave a row out.
    const KeisanAmounts amounts = ComputeKeisan(picked).value();
    visit({.cboLevelAfter = item,
           .change = LevelChange(amounts.levelBefore, amounts.levelAfter),
           .falls = LevelDownQuestion(picked).has_value(),
           .result = ResultTexts(amounts)});
  }
}

}  // namespace quorvel
