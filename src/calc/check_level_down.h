#pragma once

#include "keisan_records.h"

namespace quorvel {

// Asks for confirmation when the level falls. Empties `check` first; returns
// true with the question and its title when the user must confirm. Never
// moves the focus.
bool CheckLevelDown(const KeisanInput& input, CheckMessage& check);

}  // namespace quorvel
