// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QWidget;

namespace quorvel {

// A fixed background, with black or white text, whichever reads on it.
void SetBackground(QWidget* widget, const QColor& colour);
// A fixed text colour, on a background it reads on in any palette.
void SetTextColour(QWidget* widget, const QColor& colour);

}  // namespace quorvel
