// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QIcon>

class QApplication;

namespace quorvel {

// A 9-point Japanese gothic: the first installed of the preferred families.
QFont WindowFont();

// The icon at the sizes a window offers its desktop, as the build drew them.
QIcon WindowIcon();

// Style, font, icon, translations and desktop id for the whole application,
// message boxes too.
void SetUpApplication(QApplication& app);

}  // namespace quorvel
