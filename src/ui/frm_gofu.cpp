#include "frm_gofu.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>
#include <string_view>

#include "accessible.h"
#include "calc_result.h"
#include "design_layout.h"
#include "keisan_request.h"
#include "message_box.h"
#include "no_ime_line_edit.h"
#include "pick_list.h"
#include "quorvel_version.h"
#include "title_bar.h"
#include "version_text.h"
#include "window_look.h"

namespace quorvel {
namespace {

// A place or size in twips, the unit of the window's design; 15 twips are one
// pixel at 96 dpi. Checked at compile time, so a mistyped value cannot round.
struct Twips {
  int px;
  // Implicit, so that a layout call reads as the table: Place(w, 120, 240, ...).
  // cppcheck-suppress noExplicitConstructor
  consteval Twips(int twips) : px(twips / 15) {
    if (twips % 15 != 0) {
      throw "not a whole pixel";
    }
  }
};

// The client area of the design, below the title bar.
constexpr Twips kClientWidth = 5085;
constexpr Twips kClientHeight = 5295;
const QSize kClientSize(kClientWidth.px, kClientHeight.px);

// The same for a rectangle of the results' table, checked once for all below.
constexpr bool WholePixels(const TwipsRect& rect) {
  return rect.left % 15 == 0 && rect.top % 15 == 0 && rect.width % 15 == 0 && rect.height % 15 == 0;
}
static_assert(std::ranges::all_of(kResults,
                                  [](const ResultField& field) {
                                    return WholePixels(field.captionRect) &&
                                           WholePixels(field.valueRect);
                                  }),
              "every result is placed on whole pixels");

QRect Pixels(const TwipsRect& rect) {
  return {rect.left / 15, rect.top / 15, rect.width / 15, rect.height / 15};
}

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename Widget>
Widget* PlaceAt(Widget* widget, std::string_view name, const QRect& pixels) {
  widget->setObjectName(Latin1(name));
  DesignLayout::Of(widget)->Place(widget, pixels);
  return widget;
}

template <typename Widget>
Widget* Place(Widget* widget, const char* name, Twips left, Twips top, Twips width, Twips height) {
  return PlaceAt(widget, name, QRect(left.px, top.px, width.px, height.px));
}

QLabel* Label(QWidget* parent, const char* name, const char* text, Twips left, Twips top,
              Twips width, Twips height) {
  return Place(new QLabel(QString::fromUtf8(text), parent), name, left, top, width, height);
}

// A caption whose size follows its text.
QLabel* Caption(QWidget* parent, const char* name, const char* text, Twips left, Twips top,
                Twips width, Twips height) {
  QLabel* label = Label(parent, name, text, left, top, width, height);
  DesignLayout::Of(label)->FitToText(label);
  return label;
}

QLabel* Heading(QWidget* parent, const char* name, const char* text, QColor colour, Twips left,
                Twips top, Twips width, Twips height) {
  QLabel* label = Label(parent, name, text, left, top, width, height);
  label->setAlignment(Qt::AlignCenter);
  SetBackground(label, colour);
  return label;
}

QLabel* Boxed(QLabel* label, Qt::Alignment alignment) {
  label->setFrameStyle(QFrame::Box | QFrame::Plain);
  label->setLineWidth(1);
  label->setAlignment(alignment | Qt::AlignVCenter);
  return label;
}

QLineEdit* TextBox(QWidget* parent, const char* name, Twips left, Twips top, Twips width,
                   Twips height) {
  auto* box = Place(new NoImeLineEdit(parent), name, left, top, width, height);
  box->setText(QStringLiteral("50"));
  box->setMaxLength(3);
  box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return box;
}

PickList* List(QWidget* parent, const char* name, Twips left, Twips top, Twips width,
               Twips height) {
  auto* list = Place(new PickList(parent), name, left, top, width, height);
  list->setEditable(false);
  return list;
}

QPushButton* Button(QWidget* parent, const char* name, const char* text, Twips left, Twips top,
                    Twips width, Twips height) {
  auto* button =
      Place(new QPushButton(QString::fromUtf8(text), parent), name, left, top, width, height);
  // Neither button answers Enter: only a click, or Space on the focused button.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

void FillList(QComboBox* list, const QStringList& items, int selected) {
  list->addItems(items);
  list->setCurrentIndex(selected);
}

// The widest texts a result box may have to show, as the calculation writes
// them: the largest rise and fall that three-digit boxes allow, at the
// longest chain ("+328671G", "-346653G", ...).
QStringList WidestResults() {
  QStringList texts;
  for (const auto& [before, after] : {std::pair{"  1", "  5"}, std::pair{"  5", "  1"}}) {
    const KeisanInput input{before, after, " 5～", "999", LandChoice::LandEtc, "999"};
    if (const std::optional<KeisanResult> result = ComputeKeisanResult(input)) {
      for (const ResultField& field : kResults) {
        texts << QString::fromStdString((*result).*field.text);
      }
    }
  }
  return texts;
}

// The caption a result is announced with, before its value.
constexpr const char* kCaption = "quorvelCaption";

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

std::string Utf8(const QString& text) { return text.toStdString(); }

}  // namespace

frmGofu::frmGofu(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("frmGofu"));
  setWindowTitle(QStringLiteral("Quorvel"));
  setWindowIcon(WindowIcon());
  setFont(WindowFont());
  InstallAccessibility();
  BuildControls();
  SetTabOrder();
  SetAccessibleNames();
  Form_Load();
  UseOwnTitleBarWhereNeeded(this);
  // The window is as large as its design at the layout's factor, no larger
  // and no smaller, with its own title bar where it has one.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  optLand80_->setFocus(Qt::OtherFocusReason);
}

void frmGofu::BuildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  new DesignLayout(client, kClientSize);
  setCentralWidget(client);
  QWidget* c = client;

  Heading(c, "lblLand", "レベルアップする土地の情報", kLightYellow, 120, 240, 4680, 180);

  // The frame holds the three options, which makes them one exclusive group.
  QWidget* f =
      Place(new QGroupBox(QString::fromUtf8("基本価値"), c), "frameLand", 120, 600, 2295, 1215);
  optLand80_ = Place(new QRadioButton(QStringLiteral("80 G"), f), "optLand80", 120, 360, 975, 180);
  optLand100_ =
      Place(new QRadioButton(QStringLiteral("100 G"), f), "optLand100", 1200, 330, 855, 255);
  optLandEtc_ =
      Place(new QRadioButton(QString::fromUtf8("その他→"), f), "optLandEtc", 120, 735, 1095, 255);
  optLand80_->setChecked(true);
  txtLandEtc_ = TextBox(f, "txtLandEtc", 1200, 720, 495, 270);
  Caption(f, "lblG", "G", 1800, 765, 90, 180);

  // Each list is read with the captions on both its sides, so that a screen
  // reader tells "レベル 1 から" from "レベル 4 にアップ".
  QLabel* lblLevel01 = Caption(c, "lblLevel01", "レベル", 2640, 960, 540, 180);
  cboLevelBefore_ = List(c, "cboLevelBefore", 3240, 900, 735, 300);
  QLabel* lbeLevel02 = Caption(c, "lbeLevel02", "から", 4080, 960, 360, 180);
  QLabel* lblLevel03 = Caption(c, "lblLevel03", "レベル", 2640, 1380, 540, 180);
  cboLevelAfter_ = List(c, "cboLevelAfter", 3240, 1320, 735, 300);
  QLabel* lblLevel04 = Caption(c, "lblLevel04", "にアップ", 4080, 1380, 720, 180);
  cboLevelBefore_->SetCaptions(lblLevel01, lbeLevel02);
  cboLevelAfter_->SetCaptions(lblLevel03, lblLevel04);

  Heading(c, "lblRensa", "連鎖数", kLightOrange, 120, 2040, 2895, 180);
  QLabel* lblGofu = Heading(c, "lblGofu", "護符枚数", kLightOrange, 3120, 2040, 855, 180);
  QLabel* lblRensa01 = Caption(c, "lblRensa01", "上記の土地を含めて", 120, 2400, 1620, 180);
  cboRensa_ = List(c, "cboRensa", 1800, 2340, 735, 300);
  QLabel* lblRensa02 = Caption(c, "lblRensa02", "連鎖", 2640, 2400, 360, 180);
  txtGofu_ = TextBox(c, "txtGofu", 3120, 2355, 495, 270);
  Caption(c, "lblMai", "枚", 3720, 2400, 180, 180);
  cboRensa_->SetCaptions(lblRensa01, lblRensa02);
  txtGofu_->setAccessibleName(lblGofu->text());

  cmdKeisan_ = Button(c, "cmdKeisan", "計算", 4080, 2040, 735, 615);
  cmdEnd_ = Button(c, "cmdEnd", "終了", 3960, 4200, 855, 375);

  Heading(c, "lblKekka", "レベルアップの結果", kLightGreen, 120, 2880, 4680, 180);
  // A result is read as its value, labelled by its caption.
  const QStringList widest = WidestResults();
  for (std::size_t i = 0; i < kResults.size(); ++i) {
    const ResultField& field = kResults.at(i);
    auto* caption = PlaceAt(
        new QLabel(QString::fromUtf8(field.caption.data(), qsizetype(field.caption.size())), c),
        field.captionName, Pixels(field.captionRect));
    DesignLayout::Of(caption)->FitToText(caption);
    QLabel* value =
        Boxed(PlaceAt(new QLabel(c), field.name, Pixels(field.valueRect)), Qt::AlignRight);
    caption->setBuddy(value);
    value->setProperty(kCaption, caption->text());
    DesignLayout::Of(value)->AlsoFit(value, widest);
    if (field.blackText) {
      SetTextColour(value, Qt::black);
    }
    results_.at(i) = value;
  }

  lblVersion_ = Boxed(Label(c, "lblVersion", "", 120, 4800, 4695, 255), Qt::AlignHCenter);
  SetBackground(lblVersion_, kLightBlue);

  // The group is one tab stop, the option that is on. Qt moves the stop only
  // when an option takes the focus, so it is also moved here when one turns on.
  for (QRadioButton* option : {optLand80_, optLand100_, optLandEtc_}) {
    connect(option, &QRadioButton::toggled, this, [this] { UpdateOptionTabStop(); });
  }
  UpdateOptionTabStop();

  connect(cmdKeisan_, &QPushButton::clicked, this, &frmGofu::cmdKeisan_Click);
  connect(cmdEnd_, &QPushButton::clicked, this, &frmGofu::cmdEnd_Click);
}

void frmGofu::UpdateOptionTabStop() {
  for (QRadioButton* option : {optLand80_, optLand100_, optLandEtc_}) {
    option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

void frmGofu::SetTabOrder() {
  QWidget* const order[] = {optLand80_,     optLand100_, optLandEtc_, txtLandEtc_, cboLevelBefore_,
                            cboLevelAfter_, cboRensa_,   txtGofu_,    cmdKeisan_,  cmdEnd_};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    setTabOrder(order[i - 1], order[i]);
  }
}

void frmGofu::SetAccessibleNames() {
  // Named after the frame, the option and the unit around it, so a screen
  // reader says which field it is.
  txtLandEtc_->setAccessibleName(QString::fromUtf8("基本価値 その他 G"));
  announcer_ = new Announcer(centralWidget());
}

void frmGofu::Form_Load() {
  lblVersion_->setText(Text(VersionText(kVersionMajor, kVersionMinor, kVersionRevision)));
  const QStringList levels = {QStringLiteral("  1"), QStringLiteral("  2"), QStringLiteral("  3"),
                              QStringLiteral("  4"), QStringLiteral("  5")};
  const QStringList chains = {QStringLiteral("  1"), QStringLiteral("  2"), QStringLiteral("  3"),
                              QStringLiteral("  4"), QString::fromUtf8(" 5～")};
  FillList(cboLevelBefore_, levels, 0);
  FillList(cboLevelAfter_, levels, 3);
  FillList(cboRensa_, chains, 2);
}

KeisanInput frmGofu::ReadInput() {
  KeisanInput input;
  input.cboLevelBefore = Utf8(cboLevelBefore_->currentText());
  input.cboLevelAfter = Utf8(cboLevelAfter_->currentText());
  input.cboRensa = Utf8(cboRensa_->currentText());
  input.txtGofu = Utf8(txtGofu_->text());
  input.txtLandEtc = Utf8(txtLandEtc_->text());
  if (optLandEtc_->isChecked()) {
    input.landChoice = LandChoice::LandEtc;
  } else if (optLand100_->isChecked()) {
    input.landChoice = LandChoice::Land100;
  } else {
    input.landChoice = LandChoice::Land80;
  }
  return input;
}

void frmGofu::SetResult(const KeisanResult& result) {
  QStringList spoken;
  for (std::size_t i = 0; i < kResults.size(); ++i) {
    QLabel* label = results_.at(i);
    label->setText(Text(result.*kResults.at(i).text));
    spoken << (label->property(kCaption).toString() + u' ' + label->text()).trimmed();
  }
  // Screen readers hear the new results at once, each caption with its value
  // ("所持魔力変動 -560G、土地価値変動 +1008G、…"), without a move of the focus.
  announcer_->Announce(spoken.join(QString::fromUtf8("、")));
}

void frmGofu::SetFocus(FocusTarget target) {
  switch (target) {
    case FocusTarget::txtLandEtc:
      txtLandEtc_->setFocus(Qt::OtherFocusReason);
      txtLandEtc_->selectAll();  // typing replaces the text that was turned away
      return;
    case FocusTarget::cboLevelBefore:
      cboLevelBefore_->setFocus(Qt::OtherFocusReason);
      return;
    case FocusTarget::txtGofu:
      txtGofu_->setFocus(Qt::OtherFocusReason);
      txtGofu_->selectAll();
      return;
  }
}

void frmGofu::Warn(const std::string& message, const std::string& title) {
  ShowWarning(this, Text(message), Text(title));
}

AskAnswer frmGofu::Ask(const std::string& message, const std::string& title) {
  return AskYesNo(this, Text(message), Text(title)) ? AskAnswer::Yes : AskAnswer::No;
}

void frmGofu::cmdKeisan_Click() { quorvel::cmdKeisan_Click(*this); }

void frmGofu::cmdEnd_Click() {
  close();
  QCoreApplication::quit();
}

}  // namespace quorvel
