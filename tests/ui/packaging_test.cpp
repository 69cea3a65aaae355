// SPDX-License-Identifier: GPL-3.0-or-later
// What the build generates around the program: the icon files, the Windows
// version resource, the desktop entry and the AppStream metainfo.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <array>
#include <cmath>

#include "application_setup.h"
#include "icon_sizes.h"
#include "quorvel.xpm"

namespace {

const QString kGenerated = QStringLiteral(QUORVEL_GENERATED_DIR);
const QString kDesktopId = QStringLiteral(QUORVEL_DESKTOP_ID);
const QString kVersion = QStringLiteral(QUORVEL_VERSION);

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Utf16(const QString& text) {
  return {reinterpret_cast<const char*>(text.utf16()), static_cast<qsizetype>(text.size() * 2)};
}

}  // namespace

class PackagingTest : public QObject {
  Q_OBJECT

 private slots:
  void iconFilesMatchTheSource_data() {
    QTest::addColumn<QImage>("exported");
    QTest::addColumn<int>("size");
    for (const int size : quorvel::kHicolorSizes) {
      const QString file =
          QStringLiteral("%1/hicolor/%2x%2/apps/%3.png").arg(kGenerated).arg(size).arg(kDesktopId);
      QTest::addRow("hicolor %d", size) << QImage(file) << size;
    }
    QImageReader ico(kGenerated + "/quorvel.ico");
    QCOMPARE(ico.imageCount(), int(quorvel::kWindowsIconSizes.size()));
    for (const int size : quorvel::kWindowsIconSizes) {
      QTest::addRow("ico %d", size) << ico.read() << size;
      ico.jumpToNextImage();
    }
    // What the program loads for its window, from the pixels it embeds.
    const QIcon window = quorvel::WindowIcon();
    QVERIFY(window.availableSizes().size() > 1);
    for (const QSize& size : window.availableSizes()) {
      QTest::addRow("window %d", size.width()) << window.pixmap(size, 1.0).toImage() << size.width();
    }
  }
  // Each size shows the pixel art: whole multiples repeat its pixels, and
  // every size keeps its average colour (nothing lost, nothing shifted).
  void iconFilesMatchTheSource() {
    QFETCH(QImage, exported);
    QFETCH(int, size);
    QCOMPARE(exported.size(), QSize(size, size));
    const QImage art = QImage(quorvel_xpm).convertToFormat(QImage::Format_ARGB32);
    const int side = art.width();
    if (size % side == 0) {
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
          const QRgb want = art.pixel(x * side / size, y * side / size);
          const QRgb got = exported.pixel(x, y);
          QVERIFY2(qAlpha(want) == 0 ? qAlpha(got) == 0 : got == want,
                   qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
      }
    }
    const auto mean = [](const QImage& image) {
      const QImage premultiplied = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
      std::array<double, 4> sum{};
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          const QRgb pixel = premultiplied.pixel(x, y);
          sum[0] += qAlpha(pixel);
          sum[1] += qRed(pixel);
          sum[2] += qGreen(pixel);
          sum[3] += qBlue(pixel);
        }
      }
      for (double& channel : sum) {
        channel /= image.width() * image.height();
      }
      return sum;
    };
    const auto want = mean(art);
    const auto got = mean(exported);
    for (std::size_t channel = 0; channel < want.size(); ++channel) {
      QVERIFY2(std::abs(got[channel] - want[channel]) < 1.0,
               qPrintable(QStringLiteral("channel %1: %2, not %3")
                              .arg(channel)
                              .arg(got[channel])
                              .arg(want[channel])));
    }
  }

  // Explorer reads the largest image as PNG, the others as 32-bit images.
  void icoHoldsEverySize() {
    const QByteArray ico = ReadAll(kGenerated + "/quorvel.ico");
    const int count = uchar(ico[4]);
    QCOMPARE(count, int(quorvel::kWindowsIconSizes.size()));
    for (int index = 0; index < count; ++index) {
      const QByteArray entry = ico.mid(6 + 16 * index, 16);
      const int size = uchar(entry[0]) == 0 ? 256 : uchar(entry[0]);
      QCOMPARE(size, quorvel::kWindowsIconSizes.at(index));
      QCOMPARE(int(uchar(entry[6])), 32);  // bits per pixel
      const int offset = qFromLittleEndian<qint32>(entry.constData() + 12);
      QCOMPARE(ico.mid(offset, 4) == "\x89PNG", size == 256);
    }
  }

  void windowsResourceCompiles() {
    const QString windres = QStandardPaths::findExecutable("x86_64-w64-mingw32-windres");
    if (windres.isEmpty()) {
      QFAIL("x86_64-w64-mingw32-windres is missing; scripts/setup installs it");
    }
    QTemporaryDir dir;
    const QString res = dir.filePath("quorvel.res");
    QProcess process;
    process.start(windres, {"-O", "res", "-i", kGenerated + "/quorvel.rc", "-o", res});
    QVERIFY(process.waitForFinished(60000));
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    const QByteArray bytes = ReadAll(res);
    // Version strings are stored as UTF-16: the Japanese comment survives
    // only if the UTF-8 source was read as UTF-8.
    for (const char* text : {"041104B0", QUORVEL_VERSION_TEXT, "Quorvel", "ProductName", "Comments",
                             "土地レベルアップ時の魔力変動計算を行う"}) {
      QVERIFY2(bytes.contains(Utf16(QString::fromUtf8(text))), text);
    }
    // FILEVERSION as two little-endian 32-bit words, the most significant
    // first, after the structure's signature and version.
    const QStringList parts = kVersion.split('.');
    QCOMPARE(parts.size(), 4);
    QByteArray fixed = QByteArray::fromHex("bd04effe00000100");
    for (const int word :
         {parts[0].toInt() << 16 | parts[1].toInt(), parts[2].toInt() << 16 | parts[3].toInt()}) {
      const quint32 little = qToLittleEndian(quint32(word));
      fixed.append(reinterpret_cast<const char*>(&little), sizeof little);
    }
    QVERIFY(bytes.contains(fixed));
    // Translation 0x0411, 1200.
    QVERIFY(bytes.contains(QByteArray::fromHex("1104b004")));
  }
};

QTEST_MAIN(PackagingTest)
#include "packaging_test.moc"
