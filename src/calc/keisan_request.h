// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main_view.h"

namespace quorvel {

// One press of the Calculate button: validate, confirm a falling level, then
// compute. Reaches the window only through `view`.
void cmdKeisan_Click(MainView& view);

}  // namespace quorvel
