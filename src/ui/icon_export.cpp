// Build tool: writes the window icon, kept as XPM source, as the PNG that the
// Linux desktop installs and as the 16-colour ICO that the Windows resource
// embeds. Qt has no 4-bit ICO writer, so the few bytes are written here.
#include <QFile>
#include <QImage>
#include <QVector>

#include <iostream>
#include <span>

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

bool WriteIco(const QImage& image, const QString& path) {
  const int size = image.width();
  QVector<QRgb> palette;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (qAlpha(pixel) != 0 && !palette.contains(pixel | 0xff000000U)) {
        palette.append(pixel | 0xff000000U);
      }
    }
  }
  if (palette.size() > 16) {
    std::cerr << "icon has " << palette.size() << " colours, at most 16 fit\n";
    return false;
  }
  palette.resize(16, qRgb(0, 0, 0));

  const int colourBytes = size * size / 2;
  const int maskBytes = size * size / 8;
  const int imageBytes = 40 + 16 * 4 + colourBytes + maskBytes;
  QByteArray out;
  Put16(out, 0);  // ICONDIR
  Put16(out, 1);
  Put16(out, 1);
  out.append(static_cast<char>(size));  // ICONDIRENTRY
  out.append(static_cast<char>(size));
  out.append(static_cast<char>(16));
  out.append('\0');
  Put16(out, 1);
  Put16(out, 4);
  Put32(out, imageBytes);
  Put32(out, 22);
  Put32(out, 40);  // BITMAPINFOHEADER, height doubled for the mask
  Put32(out, size);
  Put32(out, size * 2);
  Put16(out, 1);
  Put16(out, 4);
  Put32(out, 0);
  Put32(out, colourBytes + maskBytes);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 16);
  Put32(out, 0);
  for (const QRgb colour : palette) {
    out.append(static_cast<char>(qBlue(colour)));
    out.append(static_cast<char>(qGreen(colour)));
    out.append(static_cast<char>(qRed(colour)));
    out.append('\0');
  }
  for (int y = size - 1; y >= 0; --y) {  // rows bottom-up, two pixels a byte
    for (int x = 0; x < size; x += 2) {
      int pair = 0;
      for (int half = 0; half < 2; ++half) {
        const QRgb pixel = image.pixel(x + half, y);
        const int index = qAlpha(pixel) == 0 ? 0 : int(palette.indexOf(pixel | 0xff000000U));
        pair = (pair << 4) | index;
      }
      out.append(static_cast<char>(pair));
    }
  }
  for (int y = size - 1; y >= 0; --y) {  // transparency mask, 1 = see-through
    for (int x = 0; x < size; x += 8) {
      int bits = 0;
      for (int bit = 0; bit < 8; ++bit) {
        bits = (bits << 1) | (qAlpha(image.pixel(x + bit, y)) == 0 ? 1 : 0);
      }
      out.append(static_cast<char>(bits));
    }
  }
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::span<char*> args(argv, static_cast<std::size_t>(argc));
  if (args.size() != 3) {
    std::cerr << "usage: icon_export OUT.png OUT.ico\n";
    return 2;
  }
  const QImage image = QImage(quorvel_xpm).convertToFormat(QImage::Format_ARGB32);
  if (image.isNull() || image.width() != 32 || image.height() != 32) {
    std::cerr << "the icon must be 32 x 32\n";
    return 1;
  }
  const bool ok = image.save(QString::fromLocal8Bit(args[1]), "PNG") &&
                  WriteIco(image, QString::fromLocal8Bit(args[2]));
  return ok ? 0 : 1;
}
