#include "translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace quorvel {

void InstallJapanese(QCoreApplication& app) {
  QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
  auto* qtbase = new QTranslator(&app);
  if (qtbase->load(QStringLiteral(":/quorvel/translations/qtbase_ja.qm"))) {
    QCoreApplication::installTranslator(qtbase);
  } else {
    delete qtbase;
  }
}

}  // namespace quorvel
