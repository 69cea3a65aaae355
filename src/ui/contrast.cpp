// SPDX-License-Identifier: GPL-3.0-or-later
#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

double Linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) +
         0.0722 * Linear(rgb.blueF());
}

double ContrastRatio(const QColor& one, const QColor& other) {
  const double a = RelativeLuminance(one);
  const double b = RelativeLuminance(other);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor ReadableOn(const QColor& background) {
  const QColor black(0, 0, 0);
  const QColor white(255, 255, 255);
  return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

QColor Toward(const QColor& from, const QColor& to, const QColor& against, double ratio) {
  constexpr int kSteps = 255;
  const QColor a = from.toRgb();
  const QColor b = to.toRgb();
  for (int step = 0; step <= kSteps; ++step) {
    const double t = double(step) / kSteps;
    const QColor mix = QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                                        float(a.greenF() + (b.greenF() - a.greenF()) * t),
                                        float(a.blueF() + (b.blueF() - a.blueF()) * t));
    if (ContrastRatio(mix, against) >= ratio) {
      return mix;
    }
  }
  return b;
}

}  // namespace quorvel
