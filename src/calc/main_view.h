// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "keisan_records.h"

namespace quorvel {

enum class AskAnswer { Yes, No };

// What the calculation needs from the window, and nothing more. The boxes are
// modal, so the inputs cannot change between the steps of one request.
class MainView {
 public:
  MainView() = default;
  MainView(const MainView&) = delete;
  MainView& operator=(const MainView&) = delete;
  MainView(MainView&&) = delete;
  MainView& operator=(MainView&&) = delete;
  virtual ~MainView() = default;

  virtual KeisanInput ReadInput() = 0;
  // Writes all five labels; an empty text empties its label.
  virtual void SetResult(const KeisanResult& result) = 0;
  // How the results just set were reached; they and their working are
  // replaced together, and only by the next computation.
  virtual void SetWorking(const KeisanWorking& working) = 0;
  virtual void SetFocus(FocusTarget target) = 0;
  // Warning icon, one OK button; returns when the box is closed.
  virtual void Warn(const std::string& message, const std::string& title) = 0;
  // Yes and No, no icon, Yes the default.
  virtual AskAnswer Ask(const std::string& message, const std::string& title) = 0;
};

}  // namespace quorvel
