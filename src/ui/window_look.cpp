// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_look.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QPalette>
#include <QImage>
#include <QWidget>

#include <string_view>

#include "contrast.h"
#include "frm_gofu_design.h"
#include "pixel_art.h"
#include "quorvel.xpm"
#include "quorvel_version.h"
#include "translations.h"
#include "window_style.h"

namespace quorvel {

QFont WindowFont() {
  // One installed family that has both the digits and the kana: with several
  // names, or a missing one, Qt searches fontconfig's fallbacks for each at
  // start-up and may draw the digits in one font and the kana in another.
  static const QStringList families = [] {
    QStringList preferred;
    for (std::string_view family : design::kFontFamilies) {
      preferred << QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
    }
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : preferred) {
      if (installed.contains(family)) {
        return QStringList{family};
      }
    }
    return preferred;
  }();
  QFont font;
  font.setFamilies(families);
  font.setPointSize(design::kFontPoints);
  font.setWeight(QFont::Normal);
  return font;
}

QIcon WindowIcon() { return PixelArtIcon(QImage(quorvel_xpm)); }

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

void SetTextColour(QWidget* widget, const QColor& colour) {
  new TextColourKeeper(widget, colour);
}

void ApplyApplicationLook(QApplication& app) {
  // Based on Fusion, which is built into Qt: the same look on every desktop,
  // and no theme plugin to load at start-up. The application owns the style.
  auto* style = new WindowStyle;
  style->setParent(&app);
  QApplication::setStyle(style);
  QApplication::setFont(WindowFont());
  QApplication::setWindowIcon(WindowIcon());
  InstallJapanese(app);
  // On X11 the application name becomes the window's class, which the
  // desktop entry's StartupWMClass must match.
  QCoreApplication::setApplicationName(QString::fromLatin1(kDesktopId));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
}

}  // namespace quorvel
