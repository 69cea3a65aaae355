// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

#include "no_ime_line_edit.h"
#include "pick_list.h"

namespace quorvel {
namespace {

// The text box: its text, caret and selection as QLineEdit holds them.
class TextBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit TextBoxAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) {
      return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  [[nodiscard]] QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) {
      return Box()->text();
    }
    return QAccessibleWidget::text(t);
  }

  [[nodiscard]] QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = !Box()->isReadOnly();
    s.selectableText = true;
    return s;
  }

  [[nodiscard]] QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation /*match*/) const override {
    return {};
  }

  // QAccessibleTextInterface
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && Box()->hasSelectedText()) {
      *startOffset = Box()->selectionStart();
      *endOffset = Box()->selectionEnd();
    }
  }
  [[nodiscard]] int selectionCount() const override { return Box()->hasSelectedText() ? 1 : 0; }
  void addSelection(int startOffset, int endOffset) override {
    setSelection(0, startOffset, endOffset);
  }
  void removeSelection(int /*selectionIndex*/) override { Box()->deselect(); }
  void setSelection(int /*selectionIndex*/, int startOffset, int endOffset) override {
    Box()->setSelection(startOffset, endOffset - startOffset);
  }
  [[nodiscard]] int cursorPosition() const override { return Box()->cursorPosition(); }
  void setCursorPosition(int position) override { Box()->setCursorPosition(position); }
  [[nodiscard]] QString text(int startOffset, int endOffset) const override {
    return Box()->text().mid(startOffset, endOffset - startOffset);
  }
  [[nodiscard]] int characterCount() const override {
    return static_cast<int>(Box()->text().size());
  }
  // The text stands right-aligned in the box, as the window draws it.
  [[nodiscard]] QRect characterRect(int offset) const override {
    const QString shown = Box()->text();
    if (offset < 0 || offset >= shown.size()) {
      return {};
    }
    const QFontMetrics metrics = Box()->fontMetrics();
    const QRect room = Box()->contentsRect().marginsRemoved(Box()->textMargins());
    const int left = room.right() - metrics.horizontalAdvance(shown) +
                     metrics.horizontalAdvance(shown.left(offset));
    const QRect local(left, room.top(), metrics.horizontalAdvance(shown.at(offset)), room.height());
    return {Box()->mapToGlobal(local.topLeft()), local.size()};
  }
  [[nodiscard]] int offsetAtPoint(const QPoint& point) const override {
    return Box()->cursorPositionAt(Box()->mapFromGlobal(point));
  }
  void scrollToSubstring(int startIndex, int /*endIndex*/) override {
    Box()->setCursorPosition(startIndex);
  }
  // One run over the whole text: the box has no formatting to report.
  [[nodiscard]] QString attributes(int /*offset*/, int* startOffset,
                                   int* endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }

 private:
  [[nodiscard]] QLineEdit* Box() const { return static_cast<QLineEdit*>(widget()); }
};

// The list, collapsed: one object whose name carries its value. Its pop-up,
// once open, is Qt's own list view and reads as usual.
class ListAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit ListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) {
      return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  [[nodiscard]] QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) {
      return List()->currentText().trimmed();
    }
    return QAccessibleWidget::text(t);
  }

  [[nodiscard]] QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = List()->view()->isVisible();
    s.collapsed = !s.expanded;
    s.hasPopup = true;
    return s;
  }

  [[nodiscard]] int childCount() const override { return 0; }
  [[nodiscard]] QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
  [[nodiscard]] QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation /*match*/) const override {
    return {};
  }

  [[nodiscard]] QStringList actionNames() const override {
    return {showMenuAction(), pressAction()};
  }
  void doAction(const QString& actionName) override {
    if (actionName == showMenuAction() || actionName == pressAction()) {
      List()->showPopup();
    }
  }

  // QAccessibleValueInterface: the item's number, 1 to the item count.
  [[nodiscard]] QVariant currentValue() const override { return List()->currentIndex() + 1; }
  void setCurrentValue(const QVariant& value) override {
    List()->setCurrentIndex(value.toInt() - 1);
  }
  [[nodiscard]] QVariant maximumValue() const override { return List()->count(); }
  [[nodiscard]] QVariant minimumValue() const override { return 1; }
  [[nodiscard]] QVariant minimumStepSize() const override { return 1; }

 private:
  [[nodiscard]] QComboBox* List() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* AccessibleFor(const QString& /*className*/, QObject* object) {
  if (auto* announcer = qobject_cast<Announcer*>(object)) {
    return new QAccessibleWidget(announcer, QAccessible::Notification);
  }
  if (auto* box = qobject_cast<NoImeLineEdit*>(object)) {
    return new TextBoxAccessible(box);
  }
  if (auto* list = qobject_cast<PickList*>(object)) {
    return new ListAccessible(list);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(AccessibleFor);
    return true;
  }();
  (void)installed;
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("announcer"));
  setGeometry(0, 0, 0, 0);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void Announcer::Announce(const QString& news) {
  setAccessibleName(news);
  hide();
  if (!news.isEmpty()) {
    show();
  }
}

}  // namespace quorvel
