// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_gofu.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <QAbstractItemView>
#include <QFontInfo>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "application_setup.h"
#include "contrast.h"
#include "dark_palette.h"
#include "design_layout.h"
#include "frm_gofu_design.h"
#include "keisan_fields.h"
#include "modal_boxes.h"
#include "quorvel_version.h"

using quorvel::AskAnswer;
using quorvel::FocusTarget;
using quorvel::frmGofu;
using quorvel::KeisanResult;
using quorvel::LandChoice;
using quorvel::test::DarkPalette;
using quorvel::test::ModalBoxes;
using quorvel::test::SeenBox;
using quorvel::test::TitleBarKind;

namespace {

// The design's client area, in pixels at 96 dpi.
const QSize kClientPixels(quorvel::design::kClientWidth / 15, quorvel::design::kClientHeight / 15);

constexpr const char* kQuestion = "土地レベルが下がります。続けますか？";

QString U(const char* utf8) { return QString::fromUtf8(utf8); }
QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The window is drawn for a monospaced gothic at 96 dpi; with it, every
// control stands exactly where the design puts it.
// Where the compositor leaves title bars to the program (Wayland without
// server-side decorations), the windows draw their own.
QString ExpectedTitleBar() {
  return qEnvironmentVariable("QUORVEL_EXPECT_TITLE_BAR", QStringLiteral("desktop"));
}

bool DesignFont(const QWidget* window) {
  return QFontInfo(window->font()).fixedPitch() && QFontInfo(window->font()).pixelSize() == 12;
}

// The window's own controls, as the design lists them.
QList<QWidget*> DesignControls(const QWidget* client) {
  QList<QWidget*> controls;
  for (const quorvel::design::Control& control : quorvel::design::kControls) {
    controls << client->findChild<QWidget*>(Utf8(control.name));
  }
  return controls;
}

// White on black, or black on white, as high-contrast desktop themes draw.
QPalette HighContrastPalette(const QColor& ink, const QColor& paper, const QColor& highlight) {
  QPalette palette(ink, paper, ink, Qt::gray, Qt::gray, ink, ink, paper, paper);
  palette.setColor(QPalette::ButtonText, ink);
  palette.setColor(QPalette::Highlight, highlight);
  palette.setColor(QPalette::HighlightedText, paper);
  return palette;
}

void AddPalettes() {
  QTest::addColumn<QPalette>("palette");
  QTest::newRow("light") << QApplication::style()->standardPalette();
  QTest::newRow("dark") << DarkPalette();
  QTest::newRow("high contrast black") << HighContrastPalette(Qt::white, Qt::black, Qt::cyan);
  QTest::newRow("high contrast white") << HighContrastPalette(Qt::black, Qt::white, Qt::darkBlue);
}

// How well the text in `area` reads. Most of the area is background (a
// gradient on buttons and lists), so its median luminance is taken as the
// background; the colour farthest from it as the core of the text.
double DrawnContrast(const QImage& image, const QRect& area) {
  QList<QColor> pixels;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      pixels << QColor(image.pixel(x, y));
    }
  }
  if (pixels.isEmpty()) {
    return 1.0;
  }
  const auto middle = pixels.begin() + pixels.size() / 2;
  std::nth_element(pixels.begin(), middle, pixels.end(), [](const QColor& a, const QColor& b) {
    return quorvel::RelativeLuminance(a) < quorvel::RelativeLuminance(b);
  });
  const QColor background = *middle;
  double best = 1.0;
  for (const QColor& pixel : pixels) {
    best = std::max(best, quorvel::ContrastRatio(pixel, background));
  }
  return best;
}

// How the outline drawn in `rect` stands out from the colour drawn most on
// the ring just outside it: on each side, the pixel of the outer two rows or
// columns that differs most from that colour; the weakest side counts.
double EdgeContrast(const QImage& image, const QRect& rect) {
  QHash<QRgb, int> counts;
  const QRect ring = rect.adjusted(-1, -1, 1, 1);
  for (int x = ring.left(); x <= ring.right(); ++x) {
    ++counts[image.pixel(x, ring.top())];
    ++counts[image.pixel(x, ring.bottom())];
  }
  for (int y = ring.top(); y <= ring.bottom(); ++y) {
    ++counts[image.pixel(ring.left(), y)];
    ++counts[image.pixel(ring.right(), y)];
  }
  const QColor around(std::max_element(counts.cbegin(), counts.cend()).key());
  const QRect sides[] = {{rect.left(), rect.top(), rect.width(), 2},
                         {rect.left(), rect.bottom() - 1, rect.width(), 2},
                         {rect.left(), rect.top(), 2, rect.height()},
                         {rect.right() - 1, rect.top(), 2, rect.height()}};
  double weakest = 21;
  for (const QRect& side : sides) {
    double best = 1;
    for (int y = side.top(); y <= side.bottom(); ++y) {
      for (int x = side.left(); x <= side.right(); ++x) {
        best = std::max(best, quorvel::ContrastRatio(QColor(image.pixel(x, y)), around));
      }
    }
    weakest = std::min(weakest, best);
  }
  return weakest;
}

// Where an option button draws its circle, or its focus mark, as far as
// the button shows it (Fusion's circle is a pixel taller than "80 G").
QRect OptionPart(QRadioButton* option, QStyle::SubElement part) {
  QStyleOptionButton style;
  style.initFrom(option);
  style.text = option->text();
  return option->style()->subElementRect(part, &style, option) & option->rect();
}

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
    for (const quorvel::ResultField& field : quorvel::kResults) {
      texts << Find<QLabel>(Utf8(field.name))->text();
    }
    return texts;
  }
  void ClickCalculate() { QTest::mouseClick(Find<QPushButton>("cmdKeisan"), Qt::LeftButton); }

 private slots:
  void initTestCase() { quorvel::SetUpApplication(*qApp); }

  void init() { Open(); }

  // A new window, in the application's palette and font as they are now.
  void Open() {
    boxes_.reset();
    window_ = std::make_unique<frmGofu>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    boxes_ = std::make_unique<ModalBoxes>(window_.get());
  }

  void cleanup() {
    QApplication::setPalette(QApplication::style()->standardPalette());
    QCOMPARE(boxes_->stray(), 0);
    QVERIFY2(boxes_->allAnswered(), "an expected message box never showed");
    boxes_.reset();
    window_.reset();
  }

  // The lists, texts and options start as the table has them (design);
  // the results start empty, with the focus on the option that is on.
  void startState() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Quorvel"));
    QCOMPARE(Results(), QStringList(5, QString()));
    QTRY_COMPARE(Focused(), QStringLiteral("optLand80"));
  }

  // Runs in other setups say which font they expect the window drawn in,
  // so that a missing font package cannot pass for a fitting layout.
  void drawnFontIsTheOneAsked() {
    const QFontInfo drawn(window_->font());
    const QString family = qEnvironmentVariable("QUORVEL_EXPECT_FONT");
    if (!family.isEmpty()) {
      QCOMPARE(drawn.family(), family);
    }
    const int pixels = qEnvironmentVariableIntValue("QUORVEL_EXPECT_FONT_PIXELS");
    if (pixels != 0) {
      QCOMPARE(drawn.pixelSize(), pixels);
      QVERIFY(window_->width() >= kClientPixels.width() * pixels / 12);
    }
  }

  void windowFrame() {
    if (DesignFont(window_.get())) {
      // The design's size, inside the window's own title bar and frame where it has them.
      QCOMPARE(window_->contentsRect().size(), kClientPixels);
    }
    QCOMPARE(window_->minimumSize(), window_->size());
    QCOMPARE(window_->maximumSize(), window_->size());
    // A title and a close button only: the window neither grows nor hides.
    QCOMPARE(TitleBarKind(window_.get()), ExpectedTitleBar());
    const Qt::WindowFlags flags = window_->windowFlags();
    if (ExpectedTitleBar() == QLatin1String("desktop")) {
      QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
      QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    }
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(window_->windowType(), Qt::Window);
    // An icon, whose pixels packaging_test checks.
    QVERIFY(!window_->windowIcon().isNull());
  }

  // Every control is what the design table says: container, place, text,
  // look, items. With the design's font it stands on the table's pixels;
  // with another, the layout grows by one factor, captions to their text.
  void design_data() {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < quorvel::design::kControls.size(); ++i) {
      QTest::newRow(quorvel::design::kControls.at(i).name.data()) << int(i);
    }
  }
  void design() {
    QFETCH(int, row);
    using quorvel::design::Kind;
    const quorvel::design::Control& control = quorvel::design::kControls.at(std::size_t(row));
    auto* widget = Find<QWidget>(Utf8(control.name));
    const QString text = Utf8(control.text);
    QCOMPARE(widget->parentWidget()->objectName(),
             control.container.empty() ? QStringLiteral("client") : Utf8(control.container));
    switch (control.kind) {
      case Kind::Label: {
        auto* label = qobject_cast<QLabel*>(widget);
        QVERIFY(label != nullptr);
        if (!text.isEmpty()) {
          QCOMPARE(label->text(), text);
        }
        const int align = control.align == quorvel::design::Align::Left    ? Qt::AlignLeft
                          : control.align == quorvel::design::Align::Right ? Qt::AlignRight
                                                                           : Qt::AlignHCenter;
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), align);
        QCOMPARE(label->frameShape() == QFrame::Box && label->lineWidth() == 1, control.boxed);
        if (control.background) {
          const QColor background(control.background->red, control.background->green,
                                  control.background->blue);
          const QImage image = label->grab().toImage();
          const int inside = int(std::ceil(2 * image.devicePixelRatio()));  // past a frame
          QCOMPARE(QColor(image.pixel(inside, inside)), background);
        }
        break;
      }
      case Kind::Frame:
        QCOMPARE(qobject_cast<QGroupBox*>(widget)->title(), text);
        break;
      case Kind::Option:
        QCOMPARE(qobject_cast<QRadioButton*>(widget)->text(), text);
        QCOMPARE(qobject_cast<QRadioButton*>(widget)->isChecked(), control.on);
        break;
      case Kind::Button:
        QCOMPARE(qobject_cast<QPushButton*>(widget)->text(), text);
        break;
      case Kind::TextBox: {
        auto* box = qobject_cast<QLineEdit*>(widget);
        QCOMPARE(box->text(), text);
        QCOMPARE(box->maxLength(), control.maxChars);
        QCOMPARE(int(box->alignment() & Qt::AlignHorizontal_Mask), int(Qt::AlignRight));
        break;
      }
      case Kind::List: {
        auto* list = qobject_cast<QComboBox*>(widget);
        QVERIFY(!list->isEditable());
        QCOMPARE(list->count(), int(control.items.size()));
        for (int i = 0; i < list->count(); ++i) {
          QCOMPARE(list->itemText(i), Utf8(control.items[std::size_t(i)]));
        }
        QCOMPARE(list->currentIndex(), control.selected);
        break;
      }
    }

    const auto& twips = control.rect;
    const QRect pixels(twips.left / 15, twips.top / 15, twips.width / 15, twips.height / 15);
    if (DesignFont(window_.get())) {
      QCOMPARE(widget->geometry(), pixels);
      return;
    }
    const double scale = window_->width() / double(kClientPixels.width());
    const auto near = [](int actual, double expected) { return std::abs(actual - expected) <= 1; };
    const QRect actual = widget->geometry();
    QVERIFY2(near(actual.x(), pixels.x() * scale), qPrintable(QString::number(scale)));
    QVERIFY(near(actual.y() + actual.height() / 2.0, (pixels.y() + pixels.height() / 2.0) * scale));
    QVERIFY(actual.width() + 1 >= pixels.width() * scale);
    if (!control.autoSize) {
      QVERIFY(near(actual.width(), pixels.width() * scale));
    }
  }

  // A font set on the open window (the desktop's, a larger size) fits the
  // design again at once: the window grows and every text still fits.
  void fontChangeRefits() {
    const QSize before = window_->contentsRect().size();
    QFont larger = window_->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.5);
    window_->setFont(larger);
    QTRY_VERIFY(window_->contentsRect().width() >= before.width() * 1.4);
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    textsFit();
  }

  // Every text a control may show fits the room it draws it in, whatever
  // the font: its own, every list item, a full text box of the widest digit,
  // the widest results.
  void textsFit() {
    QStringList widestResults;
    for (const std::string& text : quorvel::WidestResultTexts()) {
      widestResults << QString::fromStdString(text);
    }
    QStringList cut;
    for (QWidget* control : DesignControls(window_->centralWidget())) {
      QStringList texts{control->property("text").toString()};
      if (auto* list = qobject_cast<QComboBox*>(control)) {
        for (int i = 0; i < list->count(); ++i) {
          texts << list->itemText(i);
        }
      } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
        texts << QString(box->maxLength(), QLatin1Char('0'));
      } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        texts << frame->title();
      } else if (control->objectName().endsWith(QLatin1String("Val"))) {
        texts << widestResults;
      }
      const QFontMetricsF metrics(control->font());
      const QRect room = quorvel::TextRoom(control);
      for (const QString& text : texts) {
        if (metrics.horizontalAdvance(text) > room.width() ||
            QFontInfo(control->font()).pixelSize() > room.height()) {
          cut << QStringLiteral("%1 \"%2\" in %3x%4")
                     .arg(control->objectName(), text)
                     .arg(room.width())
                     .arg(room.height());
        }
      }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
  }

  // Drawn, the widest results keep a blank column between the box's frame
  // and their first character: nothing, the sign least of all, is cut off.
  void widestResultsDrawnWhole() {
    const std::vector<std::string> widest = quorvel::WidestResultTexts();
    const std::string longest = *std::ranges::max_element(widest, {}, &std::string::size);
    window_->SetResult({longest, longest, longest, longest, longest});
    for (const char* name :
         {"lblShojiVal", "lblLandGainVal", "lblGofukatiVal", "lblGofuGainVal", "lblGoukeiVal"}) {
      auto* label = Find<QLabel>(name);
      const QImage image = label->grab().toImage();
      const double ratio = image.devicePixelRatio();
      const QColor background = label->palette().color(QPalette::Window);
      const int inside = int(std::ceil(label->frameWidth() * ratio));
      int firstInk = image.width();
      for (int x = inside; x < image.width() - inside && firstInk == image.width(); ++x) {
        for (int y = inside; y < image.height() - inside; ++y) {
          if (quorvel::ContrastRatio(QColor(image.pixel(x, y)), background) > 1.5) {
            firstInk = x;
            break;
          }
        }
      }
      QVERIFY2(firstInk > inside && firstInk < image.width(), name);
    }
  }

  void readableInEveryPalette_data() { AddPalettes(); }
  // Every text of the window, results included, reads at 4.5:1 or better,
  // measured on the drawn pixels, in a window started in that palette.
  // Whether the palette is there when the window opens or changes while it
  // is open (the desktop switching to dark), every text reads.
  void readableInEveryPalette() {
    QFETCH(QPalette, palette);
    QStringList poor;
    for (const bool whileOpen : {false, true}) {
      QApplication::setPalette(whileOpen ? QApplication::style()->standardPalette() : palette);
      Open();
      QApplication::setPalette(palette);
      QCoreApplication::processEvents();  // the change reaches open widgets as posted events
      ClickCalculate();
      // Drawn at three times the size, so that even a one-pixel stem (the
      // "1" in a list) has pixels of the text's own colour, not only blends.
      const double ratio = 3;
      QImage image(window_->size() * ratio, QImage::Format_RGB32);
      image.setDevicePixelRatio(ratio);
      window_->render(&image);
      for (QWidget* control : DesignControls(window_->centralWidget())) {
        if (control->property("text").toString().isEmpty() && !qobject_cast<QComboBox*>(control) &&
            !qobject_cast<QGroupBox*>(control)) {
          continue;
        }
        const QRect room =
            quorvel::TextRoom(control).translated(control->mapTo(window_.get(), QPoint()));
        const QRectF area(QPointF(room.topLeft()) * ratio, QSizeF(room.size()) * ratio);
        const double contrast = DrawnContrast(image, area.toRect());
        if (contrast < quorvel::kReadableContrast) {
          poor << QStringLiteral("%1%2 %3:1")
                      .arg(whileOpen ? "changed while open: " : "", control->objectName())
                      .arg(contrast, 0, 'f', 2);
        }
      }
    }
    QApplication::setPalette(QApplication::style()->standardPalette());
    QVERIFY2(poor.isEmpty(), qPrintable(poor.join(", ")));
  }

  void controlsStandOutInEveryPalette_data() { AddPalettes(); }
  // The frame of every text box and list, every option's circle and the
  // checked option's dot stand out at 3:1 from the colour around them, and
  // so does the keyboard focus mark on each kind of control.
  void controlsStandOutInEveryPalette() {
    QFETCH(QPalette, palette);
    QApplication::setPalette(palette);
    Open();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QStringList poor;
    const auto check = [&](const QString& what, double contrast) {
      if (contrast < quorvel::kControlContrast) {
        poor << QStringLiteral("%1 %2:1").arg(what).arg(contrast, 0, 'f', 2);
      }
    };
    // In the grabbed image's pixels, which a scale factor multiplies.
    const auto place = [&](const QWidget* control, const QRect& rect) {
      const qreal ratio = control->devicePixelRatioF();
      const QRectF placed = rect.translated(control->mapTo(window_.get(), QPoint()));
      return QRectF(placed.topLeft() * ratio, placed.size() * ratio).toRect();
    };
    const QImage image = window_->grab().toImage();
    for (QWidget* control : window_->findChildren<QWidget*>()) {
      if (qobject_cast<QLineEdit*>(control) != nullptr || qobject_cast<QComboBox*>(control)) {
        check(control->objectName(), EdgeContrast(image, place(control, control->rect())));
      } else if (auto* option = qobject_cast<QRadioButton*>(control)) {
        const QRect circle = place(option, OptionPart(option, QStyle::SE_RadioButtonIndicator));
        check(option->objectName(), EdgeContrast(image, circle));
        if (option->isChecked()) {
          const int inset = circle.width() / 4;
          check(option->objectName() + " dot",
                DrawnContrast(image, circle.adjusted(inset, inset, -inset, -inset)));
        }
      }
    }
    for (const char* name : {"txtGofu", "cboRensa", "optLand80", "cmdKeisan"}) {
      QWidget* control = Find<QWidget>(QString::fromLatin1(name));
      // Reached by Tab: Qt shows a focus mark only once the keyboard moved it.
      for (int presses = 0; presses < 20 && window_->focusWidget() != control; ++presses) {
        QTest::keyClick(window_.get(), Qt::Key_Tab);
      }
      auto* option = qobject_cast<QRadioButton*>(control);
      const QRect mark =
          place(control, option != nullptr ? OptionPart(option, QStyle::SE_RadioButtonFocusRect)
                                           : control->rect());
      check(QStringLiteral("%1 focus").arg(name), EdgeContrast(window_->grab().toImage(), mark));
    }
    QApplication::setPalette(QApplication::style()->standardPalette());
    QVERIFY2(poor.isEmpty(), qPrintable(poor.join(", ")));
  }

  void textBoxes_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("txtLandEtc") << "txtLandEtc";
    QTest::newRow("txtGofu") << "txtGofu";
  }
  void textBoxes() {
    QFETCH(QString, name);
    auto* box = Find<QLineEdit>(name);
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
    QCOMPARE(box.buttonTexts, QStringList{"OK"});
    QVERIFY(box.ownedByWindow);
    QCOMPARE(box.titleBar, ExpectedTitleBar());
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
    QCOMPARE(box.buttonTexts, (QStringList{U("はい(&Y)"), U("いいえ(&N)")}));
    QVERIFY(box.ownedByWindow);
  }

  // A title that is a question of its own is wider than the message below
  // it; the box leaves the title bar room for the whole of it.
  void askBoxFitsItsTitle() {
    const QString title = U("ローカストですか？ サブサイドですか？");
    boxes_->Expect(QMessageBox::No);
    window_->Ask(kQuestion, title.toStdString());
    QFont bold = window_->font();
    bold.setBold(true);
    QVERIFY(boxes_->seen().front().width >= QFontMetrics(bold).horizontalAdvance(title) + 60);
  }

  void textBoxMenuIsJapanese() {
    std::unique_ptr<QMenu> menu(Find<QLineEdit>("txtGofu")->createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions()) {
      texts << action->text().section(u'\t', 0, 0);  // without the shortcut
    }
    QVERIFY2(texts.contains(U("貼り付け(&P)")) && texts.contains(U("すべて選択(&A)")),
             qPrintable(texts.join('|')));
  }

  void digitPicksListItem_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("picked");
    // clang-format off
    QTest::newRow("before 3") << "cboLevelBefore" << "3" << "  3";
    QTest::newRow("after 1") << "cboLevelAfter" << "1" << "  1";
    QTest::newRow("chain 5") << "cboRensa" << "5" << U(" 5～");
    QTest::newRow("full-width 2") << "cboLevelBefore" << U("２") << "  2";
    QTest::newRow("no item 6") << "cboLevelAfter" << "6" << "  4";
    QTest::newRow("letter") << "cboRensa" << "a" << "  3";
    // clang-format on
  }
  void digitPicksListItem() {
    QFETCH(QString, list);
    QFETCH(QString, typed);
    QFETCH(QString, picked);
    auto* combo = Find<QComboBox>(list);
    combo->setFocus();
    QTRY_COMPARE(Focused(), list);
    QTest::sendKeyEvent(QTest::Click, combo, Qt::Key_unknown, typed, Qt::NoModifier);
    QCOMPARE(combo->currentText(), picked);
    QVERIFY(!combo->view()->isVisible());
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
    // Typing after a warning replaces the text that was turned away.
    if (auto* box = qobject_cast<QLineEdit*>(window_->focusWidget())) {
      QCOMPARE(box->selectedText(), box->text());
    }
  }

  // Tab visits the controls in the table's order, which is its tab order,
  // round to the start; of the options, only the one that is on.
  void tabOrder() {
    QStringList stops;
    for (const quorvel::design::Control& control : quorvel::design::kControls) {
      if (TakesFocus(control) && (control.kind != quorvel::design::Kind::Option || control.on)) {
        stops << Utf8(control.name);
      }
    }
    QTRY_COMPARE(Focused(), stops.front());
    for (int i = 1; i <= stops.size(); ++i) {
      QTest::keyClick(window_->focusWidget(), Qt::Key_Tab);
      QCOMPARE(Focused(), stops.at(i % stops.size()));
    }

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

  // Every control the table names is read by the table's captions, as the
  // page names it: a box by name, a list with its value between its two
  // captions (so the two level lists are told apart), a result by the
  // caption it is labelled with. A label relation on a box or a list would
  // be read instead of the name.
  void accessibleNames() {
    using quorvel::design::Kind;
    for (const quorvel::design::Control& control : quorvel::design::kControls) {
      if (control.nameParts.front().empty()) {
        continue;
      }
      auto* widget = Find<QWidget>(Utf8(control.name));
      QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
      const QString name = Utf8(quorvel::design::AccessibleName(control));
      const auto relations = face->relations(QAccessible::Label);
      if (control.kind == Kind::Label) {
        QVERIFY2(relations.size() == 1, control.name.data());
        QCOMPARE(relations.front().first->text(QAccessible::Name), name);
        continue;
      }
      QString spoken = name;
      if (control.kind == Kind::List) {
        const auto before = Utf8(quorvel::design::Find(control.nameParts[0]).text);
        spoken.insert(before.size(),
                      u' ' + qobject_cast<QComboBox*>(widget)->currentText().trimmed());
      }
      QCOMPARE(face->text(QAccessible::Name), spoken);
      QVERIFY2(relations.isEmpty(), control.name.data());
    }
  }

  void resultsAnnouncedWithTheirCaptions() {
    auto* announcer = window_->findChild<QWidget*>(QStringLiteral("announcer"));
    QVERIFY(announcer != nullptr);
    QVERIFY(!announcer->isVisible());
    ClickCalculate();
    QVERIFY(announcer->isVisible());
    QCOMPARE(QAccessible::queryAccessibleInterface(announcer)->role(), QAccessible::Notification);
    QCOMPARE(announcer->accessibleName(),
             U("所持魔力変動 -560G、土地価値変動 +1008G、護符価値変動 +10、"
               "護符魔力変動 +500G、総魔力変動 +948G"));
    // On screen a result reads as its value (its caption is its label).
    QAccessibleInterface* result =
        QAccessible::queryAccessibleInterface(Find<QLabel>("lblShojiVal"));
    QCOMPARE(result->text(QAccessible::Name), QStringLiteral("-560G"));
  }

  // After 計算 each result explains itself, as its tooltip and to a screen
  // reader as its description, and Copy takes the whole calculation
  // wherever no text is selected; a warning leaves both as they were.
  void workingAndCopy() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    // The key as the user presses it, where the focus is, in the active
    // window (a desktop gives it back after a box; offscreen, the test does).
    const auto copyFrom = [this, clipboard](const char* name) {
      window_->activateWindow();
      if (!QTest::qWaitForWindowActive(window_.get())) {
        return QStringLiteral("the window did not become active");
      }
      clipboard->setText(QStringLiteral("untouched"));
      Find<QWidget>(name)->setFocus();
      QTest::keySequence(window_->focusWidget(), QKeySequence::Copy);
      return clipboard->text();
    };
    QCOMPARE(copyFrom("cboRensa"), QStringLiteral("untouched"));  // nothing to copy yet
    const QStringList working =
        U("-80 × (8 - 1) = -560G|560 × 1.8 = 1008G|1008 ÷ 100 = 10.08、"
          "小数点以下を切り捨てて 10|10 × 50 = 500G|-560 + 1008 + 500 = 948G")
            .split(u'|');
    const QString summary =
        U("レベル 1→4、連鎖数 3、護符 50枚、基本価値 80G\n所持魔力変動 -560G\n"
          "土地価値変動 +1008G\n護符価値変動 +10\n護符魔力変動 +500G\n総魔力変動 +948G");
    const auto check = [&] {
      for (qsizetype i = 0; i < working.size(); ++i) {
        auto* result = Find<QLabel>(Utf8(quorvel::kResults.at(i).name));
        QCOMPARE(result->toolTip(), working.at(i));
        QCOMPARE(QAccessible::queryAccessibleInterface(result)->text(QAccessible::Description),
                 working.at(i));
      }
      Find<QLineEdit>("txtGofu")->deselect();
      for (const char* name : {"cboRensa", "optLand80", "cmdKeisan", "txtGofu"}) {
        QVERIFY2(copyFrom(name) == summary, name);
      }
    };
    ClickCalculate();
    check();
    Find<QLineEdit>("txtGofu")->selectAll();
    QCOMPARE(copyFrom("txtGofu"), QStringLiteral("50"));
    Find<QLineEdit>("txtGofu")->setText(QStringLiteral("abc"));
    boxes_->Expect(QMessageBox::Ok);
    ClickCalculate();
    Find<QLineEdit>("txtGofu")->setText(QStringLiteral("50"));
    check();
  }

  void endClosesTheWindow() {
    ClickCalculate();
    QTest::mouseClick(Find<QPushButton>("cmdEnd"), Qt::LeftButton);
    QVERIFY(!window_->isVisible());
    QVERIFY(boxes_->seen().isEmpty());
  }
};

// QTEST_MAIN, except on Wayland: there Qt 6.4 tears its connection down
// racing its own event thread (an abort in wl_proxy_unref, or a hang in
// wl_display_read_events), after every check has been reported. So a
// Wayland run ends once its results are out, without that teardown.
int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setAttribute(Qt::AA_Use96Dpi, true);
  FrmGofuTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  const int failures = QTest::qExec(&test, argc, argv);
  if (QGuiApplication::platformName() == QLatin1String("wayland")) {
    std::fflush(nullptr);
    std::_Exit(failures);
  }
  return failures;
}
#include "frm_gofu_test.moc"
