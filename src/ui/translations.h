// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace quorvel {

// Japanese for what Qt itself shows (standard buttons such as はい(&Y) and
// いいえ(&N), the text boxes' context menu), whatever the system's locale:
// the window is all Japanese. The few texts are the program's own, so it
// needs no translation files at run time, on Windows neither.
void InstallJapanese(QCoreApplication& app);

}  // namespace quorvel
