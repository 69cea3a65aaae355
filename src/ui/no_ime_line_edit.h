// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace quorvel {

// A line edit in which the input method cannot be switched on. Qt 6 asks the
// widget itself (Qt::ImEnabled), and a plain QLineEdit answers true even with
// Qt::WA_InputMethodEnabled off, so the answer is given here.
//
// Copy takes its selection, as in any line edit; with nothing selected it
// leaves the key to the window's own Copy shortcut.
class NoImeLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit NoImeLineEdit(QWidget* parent = nullptr);

  [[nodiscard]] QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 protected:
  bool event(QEvent* event) override;
};

}  // namespace quorvel
