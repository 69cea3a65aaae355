// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "keisan_records.h"
#include "main_view.h"

namespace quorvel {

// Why an input is turned away: the warning, its box caption and the field
// that gets the focus.
struct Rejection {
  CheckMessage check;
  FocusTarget focus = FocusTarget::txtLandEtc;
};

// The first bad field of `input`, in the fixed order of the checks, or
// nothing when every field passes. Pure, so a front end whose boxes are
// asynchronous can drive the request itself.
std::optional<Rejection> FindRejection(const KeisanInput& input);

// Turns bad input away before anything is computed. Empties `check` first;
// on the first bad field fills it, moves the focus to that field through
// `view` and returns true. Returns false, with `check` empty and the focus
// untouched, when every field passes.
bool CheckInput(const KeisanInput& input, CheckMessage& check, MainView& view);

}  // namespace quorvel
