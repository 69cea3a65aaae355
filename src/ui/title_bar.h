// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace quorvel {

// On a Wayland compositor that leaves decorations to the program (GNOME's,
// Weston), Qt 6.4 draws its own title bar with minimize and maximize buttons
// whatever the window's flags say: on the fixed-size window and on the
// message boxes they would do nothing useful. There `window` goes frameless
// and gets a title bar of its own instead, with its icon, its title and a
// close button, dragged to move the window. Elsewhere the desktop's own
// title bar stays, and nothing changes.
void UseOwnTitleBarWhereNeeded(QWidget* window);

}  // namespace quorvel
