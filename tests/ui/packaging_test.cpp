// What the build generates around the program: the icon files, the Windows
// version resource, the desktop entry and the AppStream metainfo.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "quorvel.xpm"

namespace {

const QString kGenerated = QStringLiteral(QUORVEL_GENERATED_DIR);
const QString kDesktopId = QStringLiteral(QUORVEL_DESKTOP_ID);

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
    QTest::addColumn<QString>("file");
    QTest::newRow("png") << kGenerated + "/" + kDesktopId + ".png";
    QTest::newRow("ico") << kGenerated + "/quorvel.ico";
  }
  void iconFilesMatchTheSource() {
    QFETCH(QString, file);
    const QImage source = QImage(quorvel_xpm).convertToFormat(QImage::Format_ARGB32);
    const QImage exported = QImage(file).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(exported.size(), QSize(32, 32));
    QSet<QRgb> colours;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const QRgb want = source.pixel(x, y);
        const QRgb got = exported.pixel(x, y);
        QCOMPARE(qAlpha(got), qAlpha(want));
        if (qAlpha(want) != 0) {
          QCOMPARE(got, want);
          colours.insert(got);
        }
      }
    }
    QVERIFY(colours.size() <= 16);
  }

  void icoIsSixteenColours() {
    const QByteArray ico = ReadAll(kGenerated + "/quorvel.ico");
    QVERIFY(ico.size() > 22 + 40);
    QCOMPARE(int(uchar(ico[6])), 32);  // width
    QCOMPARE(int(uchar(ico[7])), 32);  // height
    QCOMPARE(int(uchar(ico[8])), 16);  // colours
    QCOMPARE(int(uchar(ico[12])), 4);  // bits per pixel
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
    for (const char* text : {"041104B0", "1.00.0001", "Quorvel", "ProductName", "Comments",
                             "土地レベルアップ時の魔力変動計算を行う"}) {
      QVERIFY2(bytes.contains(Utf16(QString::fromUtf8(text))), text);
    }
    // FILEVERSION 1.0.0.1 as two 32-bit words, most significant first.
    const QByteArray fixed = QByteArray::fromHex(
        "bd04effe00000100"
        "00000100"
        "01000000");
    QVERIFY(bytes.contains(fixed));
    // Translation 0x0411, 1200.
    QVERIFY(bytes.contains(QByteArray::fromHex("1104b004")));
  }

  void desktopFilesAgree() {
    const QString desktop = QString::fromUtf8(ReadAll(kGenerated + "/" + kDesktopId + ".desktop"));
    const QString metainfo =
        QString::fromUtf8(ReadAll(kGenerated + "/" + kDesktopId + ".metainfo.xml"));
    const QString comment = QString::fromUtf8("土地レベルアップ時の魔力変動計算を行う");
    // English for every desktop, Japanese where the desktop is in Japanese.
    for (const QString& line :
         QStringList{"Name=Quorvel", "Comment[ja]=" + comment, "Icon=" + kDesktopId,
                     "StartupWMClass=" + kDesktopId, "Exec=quorvel",
                     QStringLiteral("X-Quorvel-Version=1.0.0.1")}) {
      QVERIFY2(desktop.split('\n').contains(line), qPrintable(line));
    }
    QVERIFY(desktop.contains(QRegularExpression("\nComment=[ -~]+\n")));
    for (const QString& element :
         QStringList{"<id>" + kDesktopId + "</id>", "<name>Quorvel</name>",
                     "<summary xml:lang=\"ja\">" + comment + "</summary>",
                     "<project_license>GPL-3.0-or-later</project_license>",
                     "<release version=\"1.0.0.1\"",
                     "<icon type=\"stock\">" + kDesktopId + "</icon>",
                     "<launchable type=\"desktop-id\">" + kDesktopId + ".desktop</launchable>"}) {
      QVERIFY2(metainfo.contains(element), qPrintable(element));
    }
  }
};

QTEST_GUILESS_MAIN(PackagingTest)
#include "packaging_test.moc"
