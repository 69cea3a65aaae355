// SPDX-License-Identifier: GPL-3.0-or-later
#include "pick_list.h"

#include <QKeyEvent>
#include <QLabel>

namespace quorvel {

PickList::PickList(QWidget* parent) : QComboBox(parent) {
  connect(this, &QComboBox::currentIndexChanged, this, &PickList::UpdateAccessibleName);
}

void PickList::SetCaptions(const QLabel* before, const QLabel* after) {
  before_ = before->text();
  after_ = after->text();
  UpdateAccessibleName();
}

void PickList::UpdateAccessibleName() {
  QStringList words{before_, currentText().trimmed(), after_};
  words.removeAll(QString());
  setAccessibleName(words.join(u' '));
}

int PickList::ItemForTyped(const QString& typed) const {
  const QString key = typed.normalized(QString::NormalizationForm_KC).trimmed();
  if (key.isEmpty()) {
    return -1;
  }
  for (int i = 0; i < count(); ++i) {
    if (itemText(i).trimmed().startsWith(key)) {
      return i;
    }
  }
  return -1;
}

void PickList::keyPressEvent(QKeyEvent* event) {
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  const int item = plain ? ItemForTyped(event->text()) : -1;
  if (item < 0) {
    QComboBox::keyPressEvent(event);
    return;
  }
  setCurrentIndex(item);
  event->accept();
}

}  // namespace quorvel
