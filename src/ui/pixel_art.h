// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

#include <array>

namespace quorvel {

// The sizes the desktops ask for: hicolor's on Linux; on Windows those of the
// program file's icon and of the window's, small icon to Explorer's largest.
inline constexpr std::array kHicolorSizes{QUORVEL_HICOLOR_SIZES};  // from the build
inline constexpr std::array kWindowsIconSizes{16, 24, 32, 48, 64, 256};

// The pixel art at `size` x `size`. Each pixel is the average of the source
// area it covers, so whole multiples repeat the source pixels exactly and
// the sizes in between soften only where pixels are split.
QImage PixelArt(const QImage& source, int size);

// An icon drawn from the pixel art at whatever size is asked, offering the
// Windows sizes.
QIcon PixelArtIcon(const QImage& source);

}  // namespace quorvel
