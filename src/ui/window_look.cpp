#include "window_look.h"

#include <QApplication>
#include <QPalette>
#include <QPixmap>
#include <QStyleFactory>
#include <QWidget>

#include "quorvel.xpm"

namespace quorvel {

QFont WindowFont() {
  QFont font;
  font.setFamilies({QString::fromUtf8("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                    QStringLiteral("IPAGothic"), QString::fromUtf8("IPAゴシック"),
                    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL Gothic")});
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
  // Fusion is built into Qt: the same look on every desktop, and no theme
  // plugin to load at start-up.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setFont(WindowFont());
  QApplication::setWindowIcon(WindowIcon());
  // On X11 the application name becomes the window's class, which the
  // desktop entry's StartupWMClass must match.
  QCoreApplication::setApplicationName(QString::fromLatin1(kDesktopId));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
  Q_UNUSED(app);
}

}  // namespace quorvel
