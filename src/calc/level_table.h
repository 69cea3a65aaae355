// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "keisan_records.h"

namespace quorvel {

// What 計算 would show with another level after: the list item to pick, the
// change as players write it ("1→4"), whether the level falls (計算 would
// ask first), and the five result texts.
struct LevelRow {
  std::string_view cboLevelAfter;
  std::string change;
  bool falls = false;
  KeisanResult result;
};

// Every level after other than the level before, in the list's order, for
// an input that CheckInput accepts; empty for any other. Each row is the
// request 計算 would compute with that item picked.
std::vector<LevelRow> LevelTable(const KeisanInput& input);

// The same rows, each handed to `visit` in turn, for a caller that writes
// them out at once and keeps none.
void ForEachLevel(const KeisanInput& input, const std::function<void(const LevelRow&)>& visit);

}  // namespace quorvel
