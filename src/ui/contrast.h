// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace quorvel {

// WCAG 2 contrast: text of normal size reads well from 4.5:1 up (level AA);
// what marks a control (its frame, its state, the focus) from 3:1.
inline constexpr double kReadableContrast = 4.5;
inline constexpr double kControlContrast = 3.0;

double RelativeLuminance(const QColor& colour);
// From 1 (the same colour) to 21 (black on white), in either order.
double ContrastRatio(const QColor& one, const QColor& other);
// Black or white, whichever reads better on `background`.
QColor ReadableOn(const QColor& background);
// The first colour on the way from `from` to `to` that stands `ratio`:1
// against `against`; `to` itself if none does.
QColor Toward(const QColor& from, const QColor& to, const QColor& against, double ratio);

}  // namespace quorvel
