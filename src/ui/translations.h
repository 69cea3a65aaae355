#pragma once

class QCoreApplication;

namespace quorvel {

// Japanese for what Qt itself shows (standard buttons such as はい(&Y) and
// いいえ(&N), the text boxes' context menu), whatever the system's locale:
// the window is all Japanese. Qt's own translation is built into the program.
void InstallJapanese(QCoreApplication& app);

}  // namespace quorvel
