// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <deque>

namespace quorvel::test {

// Who draws the title bar of `window`: "desktop" (the window manager or the
// compositor), "own" (the window's own, with nothing drawn by Qt around it),
// or "mixed" when both would show.
inline QString TitleBarKind(const QWidget* window) {
  const bool own = window->findChild<QWidget*>(QStringLiteral("titleBar")) != nullptr;
  const bool frameless = window->windowFlags().testFlag(Qt::FramelessWindowHint);
  if (!own && !frameless) {
    return QStringLiteral("desktop");
  }
  const bool qtDrawsNothing =
      window->windowHandle() == nullptr || window->windowHandle()->frameMargins().isNull();
  return own && frameless && qtDrawsNothing ? QStringLiteral("own") : QStringLiteral("mixed");
}

// What a test saw of one message box.
struct SeenBox {
  QString text;
  QString title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QList<QMessageBox::StandardButton> buttons;
  QStringList buttonTexts;  // in the order of `buttons`
  int width = 0;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  bool ownedByWindow = false;
  QString titleBar;  // as TitleBarKind tells
};

// Answers the modal boxes that a click opens. Arm it with the answers before
// the click; it polls for the box, records what it shows and clicks the
// answer. A box beyond the expected ones is recorded as stray and closed, so a
// wrong box fails the test instead of hanging it.
class ModalBoxes : public QObject {
 public:
  explicit ModalBoxes(QWidget* owner) : owner_(owner) {
    connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
    poll_.start(10);
  }

  void Expect(QMessageBox::StandardButton answer) { answers_.push_back(answer); }

  [[nodiscard]] const QList<SeenBox>& seen() const { return seen_; }
  [[nodiscard]] int stray() const { return stray_; }
  [[nodiscard]] bool allAnswered() const { return answers_.empty(); }

 private:
  void Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible() || box == handled_) {
      return;
    }
    handled_ = box;
    SeenBox seen;
    seen.text = box->text();
    seen.title = box->windowTitle();
    seen.icon = box->icon();
    QList<QAbstractButton*> buttons = box->buttons();
    std::sort(buttons.begin(), buttons.end(), [box](QAbstractButton* a, QAbstractButton* b) {
      return box->standardButton(a) < box->standardButton(b);
    });
    for (QAbstractButton* button : buttons) {
      seen.buttons.append(box->standardButton(button));
      seen.buttonTexts.append(button->text());
    }
    seen.width = box->width();
    if (box->defaultButton() != nullptr) {
      seen.defaultButton = box->standardButton(box->defaultButton());
    }
    seen.ownedByWindow = box->parentWidget() == owner_;
    seen.titleBar = TitleBarKind(box);
    seen_.append(seen);
    if (answers_.empty()) {
      ++stray_;
      box->done(QMessageBox::Cancel);
      return;
    }
    const QMessageBox::StandardButton answer = answers_.front();
    answers_.pop_front();
    QAbstractButton* button = box->button(answer);
    if (button == nullptr) {
      ++stray_;
      box->done(QMessageBox::Cancel);
      return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
  }

  QWidget* owner_;
  QTimer poll_;
  std::deque<QMessageBox::StandardButton> answers_;
  QList<SeenBox> seen_;
  // Guarded, since the next box may be built where the last one stood.
  QPointer<QMessageBox> handled_;
  int stray_ = 0;
};

}  // namespace quorvel::test
