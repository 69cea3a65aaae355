// SPDX-License-Identifier: GPL-3.0-or-later
#include "keisan_request.h"

#include "calc_result.h"
#include "check_input.h"
#include "check_level_down.h"

namespace quorvel {

void cmdKeisan_Click(MainView& view) {
  CheckMessage check;
  // Read once: the boxes below are modal, so the inputs cannot change.
  const KeisanInput input = view.ReadInput();

  if (CheckInput(input, check, view)) {
    view.Warn(check.message, check.title);
    return;
  }
  if (CheckLevelDown(input, check)) {
    if (view.Ask(check.message, check.title) == AskAnswer::No) {
      view.SetFocus(kFocusAfterNo);
      return;
    }
  }
  CalcResult(input, view);
}

}  // namespace quorvel
