// SPDX-License-Identifier: GPL-3.0-or-later
// What Windows shows of quorvel.exe in its file properties: the version
// resource, generated from the project's version, and tagged Japanese.
#include <windows.h>

#include <QTest>
#include <QXmlStreamReader>

namespace {

const std::wstring kExe = QString::fromUtf8(QUORVEL_EXE).toStdWString();

QByteArray VersionInfo() {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(kExe.c_str(), &handle);
  QByteArray data(static_cast<qsizetype>(size), '\0');
  if (size == 0 || !GetFileVersionInfoW(kExe.c_str(), 0, size, data.data())) {
    return {};
  }
  return data;
}

QString StringValue(const QByteArray& info, const char* name) {
  const std::wstring path = L"\\StringFileInfo\\041104B0\\" + QString::fromLatin1(name).toStdWString();
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(info.constData(), path.c_str(), &value, &length) || length == 0) {
    return {};
  }
  return QString::fromWCharArray(static_cast<const wchar_t*>(value), int(length) - 1);
}

}  // namespace

class VersionResourceTest : public QObject {
  Q_OBJECT

 private slots:
  void fixedVersion() {
    const QByteArray info = VersionInfo();
    QVERIFY(!info.isEmpty());
    void* value = nullptr;
    UINT length = 0;
    QVERIFY(VerQueryValueW(info.constData(), L"\\", &value, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    const QString version = QStringLiteral("%1.%2.%3.%4")
                                .arg(HIWORD(fixed->dwFileVersionMS))
                                .arg(LOWORD(fixed->dwFileVersionMS))
                                .arg(HIWORD(fixed->dwFileVersionLS))
                                .arg(LOWORD(fixed->dwFileVersionLS));
    QCOMPARE(version, QStringLiteral(QUORVEL_VERSION));
    QCOMPARE(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    QCOMPARE(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    QCOMPARE(fixed->dwFileType, DWORD(VFT_APP));
  }

  void texts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("FileVersion") << "FileVersion" << QUORVEL_VERSION_TEXT;
    QTest::newRow("ProductVersion") << "ProductVersion" << QUORVEL_VERSION_TEXT;
    QTest::newRow("ProductName") << "ProductName" << "Quorvel";
    QTest::newRow("Comments") << "Comments"
                              << QString::fromUtf8("土地レベルアップ時の魔力変動計算を行う");
  }
  void texts() {
    QFETCH(QString, name);
    QFETCH(QString, value);
    QCOMPARE(StringValue(VersionInfo(), name.toLatin1().constData()), value);
  }

  void translationIsJapaneseUnicode() {
    const QByteArray info = VersionInfo();
    void* value = nullptr;
    UINT length = 0;
    QVERIFY(VerQueryValueW(info.constData(), L"\\VarFileInfo\\Translation", &value, &length));
    QCOMPARE(length, UINT(4));
    const auto* pair = static_cast<const WORD*>(value);
    QCOMPARE(pair[0], WORD(0x0411));
    QCOMPARE(pair[1], WORD(1200));
  }

  // The resources themselves are in the Japanese language, not US English.
  void resourcesAreJapanese_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");  // "#1" names the number 1
    QTest::newRow("version") << int(reinterpret_cast<quintptr>(RT_VERSION)) << "#1";
    QTest::newRow("icon") << int(reinterpret_cast<quintptr>(RT_GROUP_ICON)) << "IDI_ICON1";
  }
  void resourcesAreJapanese() {
    QFETCH(int, type);
    QFETCH(QString, name);
    HMODULE exe = LoadLibraryExW(kExe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    QVERIFY(exe != nullptr);
    QList<WORD> languages;
    const auto collect = [](HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR list) -> BOOL {
      reinterpret_cast<QList<WORD>*>(list)->append(language);
      return TRUE;
    };
    EnumResourceLanguagesW(exe, MAKEINTRESOURCEW(type), name.toStdWString().c_str(), collect,
                           reinterpret_cast<LONG_PTR>(&languages));
    FreeLibrary(exe);
    QCOMPARE(languages, QList<WORD>{MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN)});
  }

  // The manifest Windows reads when it starts the program.
  void manifest_data() {
    QTest::addColumn<QString>("setting");
    QTest::newRow("Windows 10 and 11")
        << "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>";
    QTest::newRow("per-monitor DPI") << ">PerMonitorV2</dpiAwareness>";
    QTest::newRow("older DPI fallback") << ">true/pm</dpiAware>";
    QTest::newRow("no elevation") << "level=\"asInvoker\"";
  }
  void manifest() {
    QFETCH(QString, setting);
    HMODULE exe = LoadLibraryExW(kExe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    QVERIFY(exe != nullptr);
    HRSRC found = FindResourceW(exe, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    QByteArray text;
    if (found != nullptr) {
      const auto* data = static_cast<const char*>(LockResource(LoadResource(exe, found)));
      text = QByteArray(data, qsizetype(SizeofResource(exe, found)));
    }
    FreeLibrary(exe);
    QVERIFY2(!text.isEmpty(), "no manifest, resource 1 of type 24");
    QXmlStreamReader xml(text);
    while (!xml.atEnd()) {
      xml.readNext();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(QString::fromUtf8(text).contains(setting));
  }
};

QTEST_APPLESS_MAIN(VersionResourceTest)
#include "version_resource_test.moc"
