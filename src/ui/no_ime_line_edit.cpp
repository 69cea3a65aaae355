// SPDX-License-Identifier: GPL-3.0-or-later
#include "no_ime_line_edit.h"

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

}  // namespace quorvel
