#include "window_look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

#include "quorvel.xpm"
#include "quorvel_version.h"
#include "window_style.h"

namespace quorvel {

QFont WindowFont() {
  // One installed family that has both the digits and the kana: with several
  // names, or a missing one, Qt searches fontconfig's fallbacks for each at
  // start-up and may draw the digits in one font and the kana in another.
  static const QStringList families = [] {
    QStringList preferred = {QString::fromUtf8("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                             QStringLiteral("IPAGothic"),        QString::fromUtf8("IPAゴシック"),
                             QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL Gothic")};
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
  font.setPointSize(9);
  font.setWeight(QFont::Normal);
  return font;
}

QIcon WindowIcon() { return {QPixmap(quorvel_xpm)}; }

void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

void ApplyApplicationLook(QApplication& app) {
  // Based on Fusion, which is built into Qt: the same look on every desktop,
  // and no theme plugin to load at start-up. The application owns the style.
  auto* style = new WindowStyle;
  style->setParent(&app);
  QApplication::setStyle(style);
  QApplication::setFont(WindowFont());
  QApplication::setWindowIcon(WindowIcon());
  // On X11 the application name becomes the window's class, which the
  // desktop entry's StartupWMClass must match.
  QCoreApplication::setApplicationName(QString::fromLatin1(kDesktopId));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
}

}  // namespace quorvel
