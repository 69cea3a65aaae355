#pragma once

#include <QColor>

namespace quorvel {

// WCAG 2 contrast: text of normal size reads well from 4.5:1 up (level AA).
inline constexpr double kReadableContrast = 4.5;

double RelativeLuminance(const QColor& colour);
// From 1 (the same colour) to 21 (black on white), in either order.
double ContrastRatio(const QColor& one, const QColor& other);
// Black or white, whichever reads better on `background`.
QColor ReadableOn(const QColor& background);

}  // namespace quorvel
