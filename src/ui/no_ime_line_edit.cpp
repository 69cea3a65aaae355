// SPDX-License-Identifier: GPL-3.0-or-later
#include "no_ime_line_edit.h"

#include <QKeyEvent>

namespace quorvel {

NoImeLineEdit::NoImeLineEdit(QWidget* parent) : QLineEdit(parent) {
  setAttribute(Qt::WA_InputMethodEnabled, false);
}

QVariant NoImeLineEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
  if (query == Qt::ImEnabled) {
    return false;
  }
  return QLineEdit::inputMethodQuery(query);
}

// A line edit claims Copy whatever it holds, and then copies nothing.
bool NoImeLineEdit::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && !hasSelectedText() &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    event->ignore();
    return true;
  }
  return QLineEdit::event(event);
}

}  // namespace quorvel
