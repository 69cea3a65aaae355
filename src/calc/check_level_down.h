// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "keisan_records.h"

namespace quorvel {

// The question and its title when the level falls, or nothing when it does
// not. Pure; never moves the focus.
std::optional<CheckMessage> LevelDownQuestion(const KeisanInput& input);

// Where the focus goes when the user answers No: back to the level to mend.
inline constexpr FocusTarget kFocusAfterNo = FocusTarget::cboLevelBefore;

// Asks for confirmation when the level falls. Empties `check` first; returns
// true with the question and its title when the user must confirm. Never
// moves the focus.
bool CheckLevelDown(const KeisanInput& input, CheckMessage& check);

}  // namespace quorvel
