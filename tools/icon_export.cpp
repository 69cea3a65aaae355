// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: writes the window icon, kept as XPM pixel art, as the hicolor
// PNGs that Linux desktops install and as the ICO that the Windows resource
// embeds: 32-bit images for the small sizes, PNG for the largest, as
// Explorer expects. With --web, the web page's icons; with --raw, plain
// RGBA pixels at the given sizes, which the program shows without decoding.
//   icon_export HICOLOR_DIR NAME OUT.ico
//   icon_export --web SITE_DIR
//   icon_export --raw DIR SIZE...     writes DIR/SIZE.rgba
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QList>
#include <QPainter>

#include <algorithm>
#include <iostream>
#include <span>
#include <string_view>

#include "icon_sizes.h"
#include "pixel_art.h"
#include "quorvel.xpm"

namespace {

void Put16(QByteArray& out, int value) {
  out.append(static_cast<char>(value & 0xff));
  out.append(static_cast<char>((value >> 8) & 0xff));
}

void Put32(QByteArray& out, int value) {
  Put16(out, value & 0xffff);
  Put16(out, (value >> 16) & 0xffff);
}

// A 32-bit DIB as ICO entries hold it: the height doubled for the mask,
// rows bottom-up, then the 1-bit transparency mask in rows of whole words.
QByteArray Dib(const QImage& image) {
  const int size = image.width();
  const int maskRow = (size + 31) / 32 * 4;
  QByteArray out;
  Put32(out, 40);
  Put32(out, size);
  Put32(out, size * 2);
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);
  Put32(out, size * size * 4 + maskRow * size);
  for (int field = 0; field < 4; ++field) {
    Put32(out, 0);
  }
  for (int y = size - 1; y >= 0; --y) {
    for (int x = 0; x < size; ++x) {
      const QRgb pixel = image.pixel(x, y);
      out.append(static_cast<char>(qBlue(pixel)));
      out.append(static_cast<char>(qGreen(pixel)));
      out.append(static_cast<char>(qRed(pixel)));
      out.append(static_cast<char>(qAlpha(pixel)));
    }
  }
  for (int y = size - 1; y >= 0; --y) {
    QByteArray row(maskRow, '\0');
    for (int x = 0; x < size; ++x) {
      if (qAlpha(image.pixel(x, y)) == 0) {
        row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
      }
    }
    out.append(row);
  }
  return out;
}

QByteArray Png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

bool WriteIco(const QImage& art, const QString& path) {
  constexpr int kDirectory = 6;
  constexpr int kEntry = 16;
  constexpr int kLargest = 256;  // stored as 0 in the entry's byte
  QByteArray entries;
  QByteArray images;
  const int first = kDirectory + kEntry * int(quorvel::kWindowsIconSizes.size());
  for (const int size : quorvel::kWindowsIconSizes) {
    const QImage image = quorvel::PixelArt(art, size);
    const QByteArray data = size >= kLargest ? Png(image) : Dib(image);
    entries.append(static_cast<char>(size % kLargest));
    entries.append(static_cast<char>(size % kLargest));
    entries.append('\0');  // colours: not a palette image
    entries.append('\0');
    Put16(entries, 1);
    Put16(entries, 32);
    Put32(entries, int(data.size()));
    Put32(entries, first + int(images.size()));
    images.append(data);
  }
  QByteArray out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, int(quorvel::kWindowsIconSizes.size()));
  out.append(entries);
  out.append(images);
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

bool WriteHicolor(const QImage& art, const QString& root, const QString& name) {
  return std::ranges::all_of(quorvel::kHicolorSizes, [&](int size) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
    return QDir().mkpath(folder) &&
           quorvel::PixelArt(art, size).save(folder + "/" + name + ".png", "PNG");
  });
}

// The page's icons: whole multiples of the art, as few colours as it has
// so the first visit stays light; the maskable one keeps the picture inside
// the circle every mask leaves visible, on the page's background. The tab's
// icon is the 192 px one: six pixels to the art's one, it scales down to
// the art exactly, and a file of its own would weigh on every first visit.
bool WriteWeb(const QImage& art, const QString& site) {
  const auto save = [&](const QImage& image, const QString& name) {
    QList<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (!colours.contains(image.pixel(x, y))) {
          colours << image.pixel(x, y);
        }
      }
    }
    QImage indexed = image.convertToFormat(QImage::Format_Indexed8, colours, Qt::AvoidDither);
    // No pixel density, and zlib's tightest level: a few hundred bytes less.
    indexed.setDotsPerMeterX(0);
    indexed.setDotsPerMeterY(0);
    QImageWriter writer(site + "/" + name, "PNG");
    writer.setQuality(0);
    return writer.write(indexed);
  };
  const int side = art.width();
  QImage maskable(512, 512, QImage::Format_ARGB32);
  maskable.fill(QColor(0xf0, 0xf0, 0xf0));
  {
    QPainter painter(&maskable);
    const QImage picture = quorvel::PixelArt(art, side * 9);
    painter.drawImage((512 - picture.width()) / 2, (512 - picture.height()) / 2, picture);
  }
  return save(quorvel::PixelArt(art, side * 6), QStringLiteral("icon-192.png")) &&
         save(quorvel::PixelArt(art, side * 16), QStringLiteral("icon-512.png")) &&
         save(maskable, QStringLiteral("icon-maskable-512.png"));
}

// Rows of RGBA bytes, top-down, without a header: the side is in the name.
bool WriteRaw(const QImage& art, const QString& folder, std::span<char*> sizes) {
  return QDir().mkpath(folder) && std::ranges::all_of(sizes, [&](const char* text) {
           const int size = QByteArray(text).toInt();
           const QImage image = quorvel::PixelArt(art, std::max(size, 1));
           QByteArray rgba;
           for (int y = 0; y < image.height(); ++y) {
             for (int x = 0; x < image.width(); ++x) {
               const QRgb pixel = image.pixel(x, y);
               for (const int channel : {qRed(pixel), qGreen(pixel), qBlue(pixel), qAlpha(pixel)}) {
                 rgba.append(static_cast<char>(channel));
               }
             }
           }
           QFile file(QStringLiteral("%1/%2.rgba").arg(folder).arg(size));
           return size > 0 && file.open(QIODevice::WriteOnly) && file.write(rgba) == rgba.size();
         });
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::span<char*> args(argv, static_cast<std::size_t>(argc));
  const QImage art(quorvel_xpm);
  if (args.size() == 3 && std::string_view(args[1]) == "--web") {
    return !art.isNull() && WriteWeb(art, QString::fromLocal8Bit(args[2])) ? 0 : 1;
  }
  if (args.size() >= 4 && std::string_view(args[1]) == "--raw") {
    return !art.isNull() && WriteRaw(art, QString::fromLocal8Bit(args[2]), args.subspan(3)) ? 0 : 1;
  }
  if (args.size() != 4) {
    std::cerr
        << "usage: icon_export HICOLOR_DIR NAME OUT.ico | --web SITE_DIR | --raw DIR SIZE...\n";
    return 2;
  }
  const bool ok =
      !art.isNull() &&
      WriteHicolor(art, QString::fromLocal8Bit(args[1]), QString::fromLocal8Bit(args[2])) &&
      WriteIco(art, QString::fromLocal8Bit(args[3]));
  return ok ? 0 : 1;
}
