// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

#include <array>
#include <string_view>
#include <utility>

#include "keisan_records.h"
#include "main_view.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace quorvel {

class Announcer;
class PickList;

// The one window: it shows what the user picks and types, hands it to the
// calculation through MainView, and shows what comes back. It decides nothing.
class frmGofu : public QMainWindow, public MainView {
  Q_OBJECT

 public:
  explicit frmGofu(QWidget* parent = nullptr);

  KeisanInput ReadInput() override;
  void SetResult(const KeisanResult& result) override;
  void SetWorking(const KeisanWorking& working) override;
  void SetFocus(FocusTarget target) override;
  void Warn(const std::string& message, const std::string& title) override;
  AskAnswer Ask(const std::string& message, const std::string& title) override;

 private:
  void BuildControls();
  void UpdateOptionTabStop();
  void SetTabOrder();
  void SetAccessibleNames();
  void Form_Load();
  void cmdKeisan_Click();
  void cmdEnd_Click();
  void CopySummary();
  template <typename Widget>
  Widget* Child(std::string_view name) const;

  // The base-value options, each with the choice it stands for.
  std::array<std::pair<QRadioButton*, LandChoice>, kLandOptions.size()> options_{};
  QLineEdit* txtLandEtc_ = nullptr;
  PickList* cboLevelBefore_ = nullptr;
  PickList* cboLevelAfter_ = nullptr;
  PickList* cboRensa_ = nullptr;
  QLineEdit* txtGofu_ = nullptr;
  std::array<QLabel*, kResults.size()> results_{};  // the value boxes, as kResults lists them
  Announcer* announcer_ = nullptr;
  QString summary_;  // of the results on show, for Copy
};

}  // namespace quorvel
