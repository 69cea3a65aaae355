#pragma once

#include <QComboBox>

namespace quorvel {

// A pick-only list whose items are numbers behind blanks ("  1" … " 5～").
// Typing a digit picks the item that shows it: the built-in keyboard search
// matches from the first character, which is a blank in every item.
class PickList : public QComboBox {
  Q_OBJECT

 public:
  using QComboBox::QComboBox;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The first item whose text, without leading blanks, starts with `typed`
  // (full-width digits count as their ASCII forms); -1 when there is none.
  [[nodiscard]] int ItemForTyped(const QString& typed) const;
};

}  // namespace quorvel
