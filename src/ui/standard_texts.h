// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace quorvel {

// What Qt itself shows, as Japanese Windows labels its buttons and edit
// menus: the window installs these, and the page's dialogs take their
// buttons from them. Plain data, so that tools without Qt read it too.
struct StandardText {
  std::string_view context;
  std::string_view source;
  std::string_view japanese;
};

inline constexpr std::array<StandardText, 12> kStandardTexts{{
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
}};

}  // namespace quorvel
