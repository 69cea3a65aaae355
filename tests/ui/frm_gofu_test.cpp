#include "frm_gofu.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

#include "modal_boxes.h"
#include "window_look.h"

using quorvel::AskAnswer;
using quorvel::FocusTarget;
using quorvel::frmGofu;
using quorvel::KeisanResult;
using quorvel::LandChoice;
using quorvel::testing::ModalBoxes;
using quorvel::testing::SeenBox;

namespace {

constexpr const char* kQuestion = "土地レベルが下がります。続けますか？";

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

class FrmGofuTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<frmGofu> window_;
  std::unique_ptr<ModalBoxes> boxes_;

  template <typename T>
  T* Find(const QString& name) {
    T* widget = window_->findChild<T*>(name);
    if (widget == nullptr) {
      qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    }
    return widget;
  }
  QString Focused() {
    QWidget* focus = window_->focusWidget();
    return focus != nullptr ? focus->objectName() : QString();
  }
  QStringList Results() {
    QStringList texts;
    for (const char* name :
         {"lblShojiVal", "lblLandGainVal", "lblGofukatiVal", "lblGofuGainVal", "lblGoukeiVal"}) {
      texts << Find<QLabel>(QString::fromLatin1(name))->text();
    }
    return texts;
  }
  void ClickCalculate() { QTest::mouseClick(Find<QPushButton>("cmdKeisan"), Qt::LeftButton); }

 private slots:
  void initTestCase() { quorvel::ApplyApplicationLook(*qApp); }

  void init() {
    window_ = std::make_unique<frmGofu>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    boxes_ = std::make_unique<ModalBoxes>(window_.get());
  }

  void cleanup() {
    QCOMPARE(boxes_->stray(), 0);
    QVERIFY2(boxes_->allAnswered(), "an expected message box never showed");
    boxes_.reset();
    window_.reset();
  }

  void startState() {
    QCOMPARE(window_->objectName(), QStringLiteral("frmGofu"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Quorvel"));
    QVERIFY(Find<QRadioButton>("optLand80")->isChecked());
    QVERIFY(!Find<QRadioButton>("optLand100")->isChecked());
    QVERIFY(!Find<QRadioButton>("optLandEtc")->isChecked());
    QCOMPARE(Find<QLineEdit>("txtLandEtc")->text(), QStringLiteral("50"));
    QCOMPARE(Find<QLineEdit>("txtGofu")->text(), QStringLiteral("50"));
    QCOMPARE(Results(), QStringList(5, QString()));
    QCOMPARE(Find<QLabel>("lblVersion")->text(), QStringLiteral("Quorvel Ver 1. 0. 1."));
    QTRY_COMPARE(Focused(), QStringLiteral("optLand80"));
  }

  void windowFrame() {
    QCOMPARE(window_->size(), QSize(339, 353));
    QCOMPARE(window_->minimumSize(), QSize(339, 353));
    QCOMPARE(window_->maximumSize(), QSize(339, 353));
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(window_->windowType(), Qt::Window);
    QVERIFY(!window_->windowIcon().isNull());
    QCOMPARE(window_->windowIcon().availableSizes().value(0), QSize(32, 32));
  }

  void listItems_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("selected");
    const QStringList levels = {"  1", "  2", "  3", "  4", "  5"};
    QTest::newRow("before") << "cboLevelBefore" << levels << "  1";
    QTest::newRow("after") << "cboLevelAfter" << levels << "  4";
    QTest::newRow("chain") << "cboRensa" << QStringList{"  1", "  2", "  3", "  4", U(" 5～")}
                           << "  3";
  }
  void listItems() {
    QFETCH(QString, list);
    QFETCH(QStringList, items);
    QFETCH(QString, selected);
    auto* combo = Find<QComboBox>(list);
    QVERIFY(!combo->isEditable());
    QStringList actual;
    for (int i = 0; i < combo->count(); ++i) {
      actual << combo->itemText(i);
    }
    QCOMPARE(actual, items);
    QCOMPARE(combo->currentText(), selected);
  }

  void geometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("twips");
    const struct {
      const char* name;
      bool inFrame;
      int left, top, width, height;
    } rows[] = {
        {"lblLand", false, 120, 240, 4680, 180},
        {"frameLand", false, 120, 600, 2295, 1215},
        {"optLand80", true, 120, 360, 975, 180},
        {"optLand100", true, 1200, 330, 855, 255},
        {"optLandEtc", true, 120, 735, 1095, 255},
        {"txtLandEtc", true, 1200, 720, 495, 270},
        {"lblG", true, 1800, 765, 90, 180},
        {"lblLevel01", false, 2640, 960, 540, 180},
        {"cboLevelBefore", false, 3240, 900, 735, 300},
        {"lbeLevel02", false, 4080, 960, 360, 180},
        {"lblLevel03", false, 2640, 1380, 540, 180},
        {"cboLevelAfter", false, 3240, 1320, 735, 300},
        {"lblLevel04", false, 4080, 1380, 720, 180},
        {"lblRensa", false, 120, 2040, 2895, 180},
        {"lblGofu", false, 3120, 2040, 855, 180},
        {"lblRensa01", false, 120, 2400, 1620, 180},
        {"cboRensa", false, 1800, 2340, 735, 300},
        {"lblRensa02", false, 2640, 2400, 360, 180},
        {"txtGofu", false, 3120, 2355, 495, 270},
        {"lblMai", false, 3720, 2400, 180, 180},
        {"cmdKeisan", false, 4080, 2040, 735, 615},
        {"cmdEnd", false, 3960, 4200, 855, 375},
        {"lblKekka", false, 120, 2880, 4680, 180},
        {"lblShoji", false, 120, 3270, 1080, 180},
        {"lblShojiVal", false, 1440, 3240, 855, 255},
        {"lblLandGain", false, 2745, 3270, 1080, 180},
        {"lblLandGainVal", false, 3960, 3240, 855, 255},
        {"lblGofukati", false, 120, 3720, 1080, 180},
        {"lblGofukatiVal", false, 1440, 3690, 855, 255},
        {"lblGofuGain", false, 2745, 3720, 1080, 180},
        {"lblGofuGainVal", false, 3960, 3690, 855, 255},
        {"lblGoukei", false, 300, 4230, 900, 180},
        {"lblGoukeiVal", false, 1440, 4200, 855, 255},
        {"lblVersion", false, 120, 4800, 4695, 255},
    };
    static_assert(std::size(rows) == 34);
    for (const auto& row : rows) {
      QTest::newRow(row.name) << row.name << (row.inFrame ? "frameLand" : "client")
                              << QRect(row.left, row.top, row.width, row.height);
    }
  }
  void geometry() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, twips);
    auto* widget = Find<QWidget>(name);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    const QRect pixels(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
    QCOMPARE(widget->geometry(), pixels);
  }

  void captionsFit_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const char* const rows[][2] = {
        {"lblLand", "レベルアップする土地の情報"},
        {"lblG", "G"},
        {"lblLevel01", "レベル"},
        {"lbeLevel02", "から"},
        {"lblLevel03", "レベル"},
        {"lblLevel04", "にアップ"},
        {"lblRensa", "連鎖数"},
        {"lblGofu", "護符枚数"},
        {"lblRensa01", "上記の土地を含めて"},
        {"lblRensa02", "連鎖"},
        {"lblMai", "枚"},
        {"lblKekka", "レベルアップの結果"},
        {"lblShoji", "所持魔力変動"},
        {"lblLandGain", "土地価値変動"},
        {"lblGofukati", "護符価値変動"},
        {"lblGofuGain", "護符魔力変動"},
        {"lblGoukei", "総魔力変動"},
    };
    for (const auto& row : rows) {
      QTest::newRow(row[0]) << row[0] << U(row[1]);
    }
  }
  void captionsFit() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    auto* label = Find<QLabel>(name);
    QCOMPARE(label->text(), caption);
    // A Japanese gothic draws a full-width character 12 px wide at 9 pt, the
    // size the layout was drawn for; a wider fallback would cut captions off.
    QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(caption) <= label->width(),
             qPrintable(label->font().families().join(',')));
  }

  void colours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("background");
    QTest::newRow("lblLand") << "lblLand" << QColor(255, 255, 128);
    QTest::newRow("lblRensa") << "lblRensa" << QColor(255, 192, 128);
    QTest::newRow("lblGofu") << "lblGofu" << QColor(255, 192, 128);
    QTest::newRow("lblKekka") << "lblKekka" << QColor(128, 255, 128);
    QTest::newRow("lblVersion") << "lblVersion" << QColor(128, 128, 255);
  }
  void colours() {
    QFETCH(QString, name);
    QFETCH(QColor, background);
    auto* label = Find<QLabel>(name);
    QVERIFY(label->autoFillBackground());
    QCOMPARE(label->palette().color(QPalette::Window), background);
    const QImage image = label->grab().toImage();
    QCOMPARE(QColor(image.pixel(1, 1)), background);
  }

  void labelLook_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("boxed");
    const int centred = Qt::AlignHCenter;
    const int right = Qt::AlignRight;
    const int left = Qt::AlignLeft;
    QTest::newRow("lblLand") << "lblLand" << centred << false;
    QTest::newRow("lblKekka") << "lblKekka" << centred << false;
    QTest::newRow("lblShoji") << "lblShoji" << left << false;
    QTest::newRow("lblShojiVal") << "lblShojiVal" << right << true;
    QTest::newRow("lblLandGainVal") << "lblLandGainVal" << right << true;
    QTest::newRow("lblGofukatiVal") << "lblGofukatiVal" << right << true;
    QTest::newRow("lblGofuGainVal") << "lblGofuGainVal" << right << true;
    QTest::newRow("lblGoukeiVal") << "lblGoukeiVal" << right << true;
    QTest::newRow("lblVersion") << "lblVersion" << centred << true;
  }
  void labelLook() {
    QFETCH(QString, name);
    QFETCH(int, alignment);
    QFETCH(bool, boxed);
    auto* label = Find<QLabel>(name);
    QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
    QCOMPARE(label->frameShape() == QFrame::Box, boxed);
    if (boxed) {
      QCOMPARE(label->lineWidth(), 1);
    }
  }

  void textBoxes_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("txtLandEtc") << "txtLandEtc";
    QTest::newRow("txtGofu") << "txtGofu";
  }
  void textBoxes() {
    QFETCH(QString, name);
    auto* box = Find<QLineEdit>(name);
    QCOMPARE(box->maxLength(), 3);
    QCOMPARE(int(box->alignment() & Qt::AlignHorizontal_Mask), int(Qt::AlignRight));
    QCOMPARE(box->inputMethodQuery(Qt::ImEnabled).toBool(), false);
    QVERIFY(!box->testAttribute(Qt::WA_InputMethodEnabled));

    box->clear();
    box->setFocus();
    QTest::keyClicks(box, "-1.5x");
    QCOMPARE(box->text(), QStringLiteral("-1."));

    box->clear();
    QApplication::clipboard()->setText(QStringLiteral("98765"));
    QTest::keySequence(box, QKeySequence::Paste);
    QCOMPARE(box->text(), QStringLiteral("987"));

    box->setText(QStringLiteral("7"));
    box->end(false);
    QTest::keySequence(box, QKeySequence::Paste);
    QCOMPARE(box->text(), QStringLiteral("798"));
  }

  void setResult() {
    window_->SetResult({"a", "", "c", "d", "e"});
    QCOMPARE(Results(), (QStringList{"a", "", "c", "d", "e"}));
    window_->SetResult({"", "+1G", "", "", "-1G"});
    QCOMPARE(Results(), (QStringList{"", "+1G", "", "", "-1G"}));
  }

  void setFocus_data() {
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("name");
    QTest::newRow("txtLandEtc") << int(FocusTarget::txtLandEtc) << "txtLandEtc";
    QTest::newRow("cboLevelBefore") << int(FocusTarget::cboLevelBefore) << "cboLevelBefore";
    QTest::newRow("txtGofu") << int(FocusTarget::txtGofu) << "txtGofu";
  }
  void setFocus() {
    QFETCH(int, target);
    QFETCH(QString, name);
    window_->SetFocus(static_cast<FocusTarget>(target));
    QTRY_COMPARE(Focused(), name);
  }

  void warn() {
    boxes_->Expect(QMessageBox::Ok);
    window_->Warn("護符枚数には数値を入力してください", "護符枚数エラー");
    QCOMPARE(boxes_->seen().size(), 1);
    const SeenBox& box = boxes_->seen().front();
    QCOMPARE(box.text, U("護符枚数には数値を入力してください"));
    QCOMPARE(box.title, U("護符枚数エラー"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    QVERIFY(box.ownedByWindow);
  }

  void ask_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("answer");
    QTest::newRow("Yes") << int(QMessageBox::Yes) << int(AskAnswer::Yes);
    QTest::newRow("No") << int(QMessageBox::No) << int(AskAnswer::No);
  }
  void ask() {
    QFETCH(int, button);
    QFETCH(int, answer);
    boxes_->Expect(static_cast<QMessageBox::StandardButton>(button));
    QCOMPARE(int(window_->Ask(kQuestion, "メテオですか？")), answer);
    QCOMPARE(boxes_->seen().size(), 1);
    const SeenBox& box = boxes_->seen().front();
    QCOMPARE(box.text, U(kQuestion));
    QCOMPARE(box.title, U("メテオですか？"));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.buttons, (QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::No}));
    QCOMPARE(box.defaultButton, QMessageBox::Yes);
    QVERIFY(box.ownedByWindow);
  }

  void readInput() {
    Find<QComboBox>("cboLevelBefore")->setCurrentIndex(4);
    Find<QComboBox>("cboLevelAfter")->setCurrentIndex(1);
    Find<QComboBox>("cboRensa")->setCurrentIndex(4);
    Find<QLineEdit>("txtGofu")->setText(" 7 ");
    Find<QLineEdit>("txtLandEtc")->setText("abc");
    Find<QRadioButton>("optLand100")->setChecked(true);
    quorvel::KeisanInput in = window_->ReadInput();
    QCOMPARE(in.cboLevelBefore, std::string("  5"));
    QCOMPARE(in.cboLevelAfter, std::string("  2"));
    QCOMPARE(in.cboRensa, std::string(" 5～"));
    QCOMPARE(in.txtGofu, std::string(" 7 "));
    QCOMPARE(in.txtLandEtc, std::string("abc"));
    QVERIFY(in.landChoice == LandChoice::Land100);
    Find<QRadioButton>("optLandEtc")->setChecked(true);
    QVERIFY(window_->ReadInput().landChoice == LandChoice::LandEtc);
    Find<QRadioButton>("optLand80")->setChecked(true);
    QVERIFY(window_->ReadInput().landChoice == LandChoice::Land80);
  }

  void requests_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("landEtc");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("chain");
    QTest::addColumn<QString>("gofu");
    QTest::addColumn<int>("answer");  // for a question; NoButton when none is due
    QTest::addColumn<QString>("boxTitle");
    QTest::addColumn<QString>("focus");        // empty: where it was
    QTest::addColumn<QStringList>("results");  // empty: unchanged
    const QStringList unchanged;
    QTest::newRow("defaults") << "optLand80"
                              << "50" << 0 << 3 << 2 << "50" << int(QMessageBox::NoButton) << ""
                              << "" << QStringList{"-560G", "+1008G", "+10", "+500G", "+948G"};
    QTest::newRow("rise 2 to 4") << "optLand100"
                                 << "x" << 1 << 3 << 4 << "0" << int(QMessageBox::NoButton) << ""
                                 << "" << QStringList{"-600G", "+1320G", "+13", "0G", "+720G"};
    QTest::newRow("custom base") << "optLandEtc"
                                 << " 55" << 0 << 1 << 1 << "3" << int(QMessageBox::NoButton) << ""
                                 << "" << QStringList{"-55G", "+82G", "0", "0G", "+27G"};
    QTest::newRow("bad count") << "optLand80"
                               << "50" << 4 << 1 << 2 << "1.5" << int(QMessageBox::Ok)
                               << U("護符枚数エラー") << "txtGofu" << unchanged;
    QTest::newRow("bad base") << "optLandEtc"
                              << "0" << 0 << 0 << 2 << "x" << int(QMessageBox::Ok)
                              << U("基本土地価値エラー") << "txtLandEtc" << unchanged;
    QTest::newRow("equal levels") << "optLand80"
                                  << "50" << 2 << 2 << 2 << "50" << int(QMessageBox::Ok)
                                  << U("土地レベルエラー") << "cboLevelBefore" << unchanged;
    QTest::newRow("fall, No") << "optLand80"
                              << "50" << 2 << 0 << 0 << "50" << int(QMessageBox::No)
                              << U("メテオですか？") << "cboLevelBefore" << unchanged;
    QTest::newRow("fall, Yes") << "optLand80"
                               << "50" << 2 << 0 << 0 << "50" << int(QMessageBox::Yes)
                               << U("メテオですか？") << ""
                               << QStringList{"", "-240G", "-2", "-100G", "-100G"};
    QTest::newRow("5 to 2, Yes") << "optLand80"
                                 << "50" << 4 << 1 << 0 << "0" << int(QMessageBox::Yes)
                                 << U("有り得ますか？") << ""
                                 << QStringList{"", "-1120G", "-11", "0G", "0G"};
  }
  void requests() {
    QFETCH(QString, option);
    QFETCH(QString, landEtc);
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(int, chain);
    QFETCH(QString, gofu);
    QFETCH(int, answer);
    QFETCH(QString, boxTitle);
    QFETCH(QString, focus);
    QFETCH(QStringList, results);

    const QStringList earlier = {"old1", "old2", "old3", "old4", "old5"};
    window_->SetResult({"old1", "old2", "old3", "old4", "old5"});
    Find<QRadioButton>(option)->setChecked(true);
    Find<QLineEdit>("txtLandEtc")->setText(landEtc);
    Find<QComboBox>("cboLevelBefore")->setCurrentIndex(before);
    Find<QComboBox>("cboLevelAfter")->setCurrentIndex(after);
    Find<QComboBox>("cboRensa")->setCurrentIndex(chain);
    Find<QLineEdit>("txtGofu")->setText(gofu);
    Find<QRadioButton>("optLand80")->setFocus();
    QTRY_COMPARE(Focused(), QStringLiteral("optLand80"));
    if (answer != QMessageBox::NoButton) {
      boxes_->Expect(static_cast<QMessageBox::StandardButton>(answer));
    }

    ClickCalculate();

    QCOMPARE(boxes_->seen().size(), answer == QMessageBox::NoButton ? 0 : 1);
    if (!boxes_->seen().isEmpty()) {
      QCOMPARE(boxes_->seen().front().title, boxTitle);
    }
    QCOMPARE(Results(), results.isEmpty() ? earlier : results);
    QTRY_COMPARE(Focused(), focus.isEmpty() ? QStringLiteral("cmdKeisan") : focus);
  }

  void tabOrder() {
    QTRY_COMPARE(Focused(), QStringLiteral("optLand80"));
    const QStringList expected = {"txtLandEtc", "cboLevelBefore", "cboLevelAfter", "cboRensa",
                                  "txtGofu",    "cmdKeisan",      "cmdEnd",        "optLand80"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
      QTest::keyClick(window_->focusWidget(), Qt::Key_Tab);
      visited << Focused();
    }
    QCOMPARE(visited, expected);

    // The group is one stop: the option that is on.
    Find<QRadioButton>("optLand100")->setChecked(true);
    Find<QLineEdit>("txtLandEtc")->setFocus();
    QTRY_COMPARE(Focused(), QStringLiteral("txtLandEtc"));
    QTest::keyClick(window_->focusWidget(), Qt::Key_Backtab);
    QCOMPARE(Focused(), QStringLiteral("optLand100"));
  }

  void enterStartsNothing_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"optLand80", "txtLandEtc", "cboLevelBefore", "cboLevelAfter",
                             "cboRensa", "txtGofu", "cmdEnd"}) {
      QTest::newRow(name) << name;
    }
  }
  void enterStartsNothing() {
    QFETCH(QString, name);
    auto* widget = Find<QWidget>(name);
    widget->setFocus();
    QTRY_COMPARE(Focused(), name);
    QTest::keyClick(widget, Qt::Key_Return);
    QTest::keyClick(widget, Qt::Key_Enter);
    QTest::qWait(50);
    QCOMPARE(Results(), QStringList(5, QString()));
    QVERIFY(window_->isVisible());
    QVERIFY(boxes_->seen().isEmpty());
  }

  void keyboardPressesFocusedButton() {
    auto* button = Find<QPushButton>("cmdKeisan");
    QVERIFY(!button->autoDefault());
    QVERIFY(!button->isDefault());
    QVERIFY(!Find<QPushButton>("cmdEnd")->autoDefault());
    QVERIFY(!Find<QPushButton>("cmdEnd")->isDefault());
    button->setFocus();
    QTRY_COMPARE(Focused(), QStringLiteral("cmdKeisan"));
    QTest::keyClick(button, Qt::Key_Return);
    QCOMPARE(Results(), QStringList(5, QString()));
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(Results(), (QStringList{"-560G", "+1008G", "+10", "+500G", "+948G"}));
  }

  void optionsExclusive() {
    const QStringList names = {"optLand80", "optLand100", "optLandEtc", "optLand100", "optLand80"};
    for (const QString& name : names) {
      QTest::mouseClick(Find<QRadioButton>(name), Qt::LeftButton, {}, QPoint(5, 5));
      for (const char* other : {"optLand80", "optLand100", "optLandEtc"}) {
        QCOMPARE(Find<QRadioButton>(other)->isChecked(), name == QLatin1String(other));
      }
    }
  }

  void oldResultsStayUntilCalculate() {
    ClickCalculate();
    const QStringList first = {"-560G", "+1008G", "+10", "+500G", "+948G"};
    QCOMPARE(Results(), first);
    Find<QLineEdit>("txtGofu")->setText("0");
    Find<QComboBox>("cboRensa")->setCurrentIndex(0);
    QTest::mouseClick(Find<QRadioButton>("optLand100"), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(Results(), first);
    ClickCalculate();
    QCOMPARE(Results(), (QStringList{"-700G", "+700G", "+7", "0G", "0G"}));
  }

  void accessibleNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spoken");
    const char* const rows[][2] = {
        {"optLand80", "80 G"},
        {"optLand100", "100 G"},
        {"optLandEtc", "その他→"},
        {"txtLandEtc", "基本価値 その他 G"},
        {"cboLevelBefore", "レベル から"},
        {"cboLevelAfter", "レベル にアップ"},
        {"cboRensa", "上記の土地を含めて 連鎖"},
        {"txtGofu", "護符枚数"},
        {"cmdKeisan", "計算"},
        {"cmdEnd", "終了"},
        {"lblShojiVal", "所持魔力変動"},
        {"lblLandGainVal", "土地価値変動"},
        {"lblGofukatiVal", "護符価値変動"},
        {"lblGofuGainVal", "護符魔力変動"},
        {"lblGoukeiVal", "総魔力変動"},
    };
    for (const auto& row : rows) {
      QTest::newRow(row[0]) << row[0] << U(row[1]);
    }
  }
  void accessibleNames() {
    QFETCH(QString, name);
    QFETCH(QString, spoken);
    auto* widget = Find<QWidget>(name);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(face != nullptr);
    if (face->role() != QAccessible::ComboBox) {
      QCOMPARE(face->text(QAccessible::Name), spoken);
      return;
    }
    // Qt on Linux speaks a list by its value and names it through the labels
    // that point at it; elsewhere through its accessible name.
    QCOMPARE(widget->accessibleName(), spoken);
    QStringList labels;
    for (const auto& [label, relation] : face->relations(QAccessible::Label)) {
      labels << label->text(QAccessible::Name);
    }
    QCOMPARE(labels.join(' '), spoken);
  }

  void windowIsAnnouncedAsAWindow() {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window_.get());
    QVERIFY(face != nullptr);
    QCOMPARE(face->role(), QAccessible::Window);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Quorvel"));
  }

  void endClosesTheWindow() {
    ClickCalculate();
    QTest::mouseClick(Find<QPushButton>("cmdEnd"), Qt::LeftButton);
    QVERIFY(!window_->isVisible());
    QVERIFY(boxes_->seen().isEmpty());
  }

  // Writes the picture shown in the README when QUORVEL_SCREENSHOT names a file.
  void screenshot() {
    const QString path = qEnvironmentVariable("QUORVEL_SCREENSHOT");
    if (path.isEmpty()) {
      QSKIP("set QUORVEL_SCREENSHOT to a PNG path to write a screenshot");
    }
    ClickCalculate();
    QVERIFY(window_->grab().save(path));
  }
};

QTEST_MAIN(FrmGofuTest)
#include "frm_gofu_test.moc"
