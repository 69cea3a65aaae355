// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>

class QApplication;
class QWidget;

namespace quorvel {

// A 9-point Japanese gothic: the first installed of the preferred families.
QFont WindowFont();

QIcon WindowIcon();

// A fixed background, with black or white text, whichever reads on it.
void SetBackground(QWidget* widget, const QColor& colour);
// A fixed text colour, on a background it reads on in any palette.
void SetTextColour(QWidget* widget, const QColor& colour);

// Style, font and desktop id for the whole application, message boxes too.
void ApplyApplicationLook(QApplication& app);

}  // namespace quorvel
