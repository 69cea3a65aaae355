// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <cstring>

namespace quorvel {
namespace {

struct StandardText {
  const char* context;
  const char* source;
  const char* japanese;
};

// As Japanese Windows labels its buttons and edit menus.
constexpr StandardText kStandardTexts[] = {
    {"QPlatformTheme", "OK", "OK"},
    {"QPlatformTheme", "&Yes", "はい(&Y)"},
    {"QPlatformTheme", "&No", "いいえ(&N)"},
    {"QPlatformTheme", "Cancel", "キャンセル"},
    {"QPlatformTheme", "Close", "閉じる"},
    {"QLineEdit", "&Undo", "元に戻す(&U)"},
    {"QLineEdit", "&Redo", "やり直し(&R)"},
    {"QLineEdit", "Cu&t", "切り取り(&T)"},
    {"QLineEdit", "&Copy", "コピー(&C)"},
    {"QLineEdit", "&Paste", "貼り付け(&P)"},
    {"QLineEdit", "Delete", "削除(&D)"},
    {"QLineEdit", "Select All", "すべて選択(&A)"},
};

class StandardTexts : public QTranslator {
 public:
  using QTranslator::QTranslator;

  [[nodiscard]] QString translate(const char* context, const char* source,
                                  const char* /*disambiguation*/, int /*n*/) const override {
    for (const StandardText& text : kStandardTexts) {
      if (std::strcmp(context, text.context) == 0 && std::strcmp(source, text.source) == 0) {
        return QString::fromUtf8(text.japanese);
      }
    }
    return {};
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
