// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

class QLabel;

namespace quorvel {

// A pick-only list whose items are numbers behind blanks ("  1" … " 5～").
// Typing a digit picks the item that shows it: the built-in keyboard search
// matches from the first character, which is a blank in every item.
class PickList : public QComboBox {
  Q_OBJECT

 public:
  explicit PickList(QWidget* parent = nullptr);

  // The captions on both sides of the list. A screen reader reads the list
  // as them with the value between ("レベル 1 から"), kept current.
  void SetCaptions(const QLabel* before, const QLabel* after);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void UpdateAccessibleName();

  QString before_;
  QString after_;

  // The first item whose text, without leading blanks, starts with `typed`
  // (full-width digits count as their ASCII forms); -1 when there is none.
  [[nodiscard]] int ItemForTyped(const QString& typed) const;
};

}  // namespace quorvel
