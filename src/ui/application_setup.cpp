// SPDX-License-Identifier: GPL-3.0-or-later
#include "application_setup.h"

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QPixmap>
#include <QResource>

#include <cstring>
#include <string_view>
#include <utility>

#include "frame_style.h"
#include "frm_gofu_design.h"
#include "quorvel_version.h"
#include "translations.h"

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

QIcon WindowIcon() {
  // The build draws the icon at each size a window offers (tools/icon_export)
  // as plain RGBA rows named by their side: nothing to scale or decode here.
  QIcon icon;
  QDirIterator sizes(QStringLiteral(":/quorvel/window-icon"));
  while (sizes.hasNext()) {
    const QString path = sizes.next();
    const int side = QFileInfo(path).baseName().toInt();
    const QByteArray rgba = QResource(path).uncompressedData();
    QImage image(side, side, QImage::Format_RGBA8888);
    if (side > 0 && image.sizeInBytes() == rgba.size()) {
      std::memcpy(image.bits(), rgba.constData(), std::size_t(rgba.size()));
      icon.addPixmap(QPixmap::fromImage(std::move(image)));
    }
  }
  return icon;
}

void SetUpApplication(QApplication& app) {
  // Based on Fusion, which is built into Qt: the same look on every desktop,
  // and no theme plugin to load at start-up. The application owns the style.
  auto* style = new FrameStyle;
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
