#pragma once

#include "keisan_records.h"
#include "main_view.h"

namespace quorvel {

// Turns bad input away before anything is computed. Empties `check` first;
// on the first bad field fills it, moves the focus to that field through
// `view` and returns true. Returns false, with `check` empty and the focus
// untouched, when every field passes.
bool CheckInput(const KeisanInput& input, CheckMessage& check, MainView& view);

}  // namespace quorvel
