// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace quorvel {

// Message boxes owned by the window. Their titles are questions of their own
// ("ローカストですか？ サブサイドですか？"), so a box is made wide enough for
// the window manager to show the whole title, not just the message.
void ShowWarning(QWidget* owner, const QString& message, const QString& title);
bool AskYesNo(QWidget* owner, const QString& message, const QString& title);

}  // namespace quorvel
