// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <algorithm>

#include "standard_texts.h"

namespace quorvel {
namespace {

class StandardTexts : public QTranslator {
 public:
  using QTranslator::QTranslator;

  [[nodiscard]] QString translate(const char* context, const char* source,
                                  const char* /*disambiguation*/, int /*n*/) const override {
    if (context == nullptr || source == nullptr) {
      return {};
    }
    const auto* text = std::ranges::find_if(kStandardTexts, [&](const StandardText& standard) {
      return standard.context == context && standard.source == source;
    });
    return text == kStandardTexts.end()
               ? QString()
               : QString::fromUtf8(text->japanese.data(),
                                   static_cast<qsizetype>(text->japanese.size()));
  }

  [[nodiscard]] bool isEmpty() const override { return false; }
};

}  // namespace

void InstallJapanese(QCoreApplication& app) {
  QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
  // The application owns the texts.
  auto* texts = new StandardTexts;
  texts->setParent(&app);
  QCoreApplication::installTranslator(texts);
}

}  // namespace quorvel
