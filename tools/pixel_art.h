// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace quorvel {

// The pixel art at `size` x `size`. Each pixel is the average of the source
// area it covers, so whole multiples repeat the source pixels exactly and
// the sizes in between soften only where pixels are split.
QImage PixelArt(const QImage& source, int size);

}  // namespace quorvel
