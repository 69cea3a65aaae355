// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixel_art.h"

#include <algorithm>

namespace quorvel {

QImage PixelArt(const QImage& source, int size) {
  const QImage art = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int n = art.width();
  QImage out(size, size, QImage::Format_ARGB32_Premultiplied);
  // In units where a source pixel is `size` long and an output pixel `n`,
  // every overlap is a whole number and the sums are exact.
  for (int oy = 0; oy < size; ++oy) {
    const int y0 = oy * n;
    const int y1 = y0 + n;
    for (int ox = 0; ox < size; ++ox) {
      const int x0 = ox * n;
      const int x1 = x0 + n;
      qint64 sum[4] = {0, 0, 0, 0};
      for (int sy = y0 / size; sy * size < y1; ++sy) {
        const qint64 wy = std::min(y1, (sy + 1) * size) - std::max(y0, sy * size);
        for (int sx = x0 / size; sx * size < x1; ++sx) {
          const qint64 w = wy * (std::min(x1, (sx + 1) * size) - std::max(x0, sx * size));
          const QRgb pixel = art.pixel(sx, sy);
          sum[0] += w * qAlpha(pixel);
          sum[1] += w * qRed(pixel);
          sum[2] += w * qGreen(pixel);
          sum[3] += w * qBlue(pixel);
        }
      }
      const qint64 area = qint64(n) * n;
      const auto mean = [area](qint64 total) { return int((total + area / 2) / area); };
      out.setPixel(ox, oy, qRgba(mean(sum[1]), mean(sum[2]), mean(sum[3]), mean(sum[0])));
    }
  }
  return out.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace quorvel
