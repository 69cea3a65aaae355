// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixed_colours.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

#include "contrast.h"

namespace quorvel {

void SetBackground(QWidget* widget, const QColor& colour) {
  // Only the two roles set here are fixed; the rest still follow the desktop.
  QPalette palette;
  palette.setColor(QPalette::Window, colour);
  palette.setColor(QPalette::WindowText, ReadableOn(colour));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

namespace {

// Keeps a fixed text colour readable as the desktop's palette changes: the
// widget shows its container's background while the text reads on it, and
// a backdrop of its own otherwise (a dark palette under black text).
class TextColourKeeper : public QObject {
 public:
  TextColourKeeper(QWidget* widget, const QColor& text)
      : QObject(widget), widget_(widget), text_(text) {
    widget->installEventFilter(this);
    Apply();
  }

  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::PaletteChange && !applying_) {
      Apply();
    }
    return false;
  }

 private:
  void Apply() {
    const QWidget* container = widget_->parentWidget();
    const QColor around = container != nullptr ? container->palette().color(QPalette::Window)
                                               : QGuiApplication::palette().color(QPalette::Window);
    const bool reads = ContrastRatio(text_, around) >= kReadableContrast;
    QPalette palette;
    palette.setColor(QPalette::WindowText, text_);
    if (!reads) {
      palette.setColor(QPalette::Window, ReadableOn(text_));
    }
    applying_ = true;
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(!reads);
    applying_ = false;
  }

  QWidget* widget_;
  QColor text_;
  bool applying_ = false;
};

}  // namespace

void SetTextColour(QWidget* widget, const QColor& colour) { new TextColourKeeper(widget, colour); }

}  // namespace quorvel
