// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_gofu.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <algorithm>
#include <string_view>

#include "accessible.h"
#include "application_setup.h"
#include "calc_result.h"
#include "design_layout.h"
#include "fixed_colours.h"
#include "frm_gofu_design.h"
#include "keisan_fields.h"
#include "keisan_request.h"
#include "message_box.h"
#include "no_ime_line_edit.h"
#include "pick_list.h"
#include "quorvel_version.h"
#include "title_bar.h"
#include "version_text.h"

namespace quorvel {
namespace {

constexpr bool WholePixels(const design::TwipsRect& rect) {
  return rect.left % 15 == 0 && rect.top % 15 == 0 && rect.width % 15 == 0 && rect.height % 15 == 0;
}
// The design's places are whole pixels at 96 dpi, so nothing rounds there.
static_assert(std::ranges::all_of(design::kControls,
                                  [](const design::Control& c) { return WholePixels(c.rect); }));
static_assert(design::kClientWidth % 15 == 0 && design::kClientHeight % 15 == 0);
// The core's five results each have a result box in the table, beside the
// caption that the core's summary writes before it.
static_assert(std::ranges::all_of(kResults, [](const ResultField& result) {
  const design::Control& box = design::Find(result.name);
  return box.role == design::Role::Result &&
         design::Find(box.nameParts.front()).text == result.caption;
}));
const QSize kClientSize(design::kClientWidth / 15, design::kClientHeight / 15);

QRect Pixels(const design::TwipsRect& rect) {
  return {rect.left / 15, rect.top / 15, rect.width / 15, rect.height / 15};
}

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string Utf8(const QString& text) { return text.toStdString(); }

QColor Colour(const design::Rgb& rgb) { return {rgb.red, rgb.green, rgb.blue}; }

// The widest texts a result box may have to show, as the calculation writes
// them ("+328671G", "-346653G", ...).
QStringList WidestResults() {
  QStringList texts;
  for (const std::string& text : WidestResultTexts()) {
    texts << QString::fromStdString(text);
  }
  return texts;
}

Qt::Alignment Alignment(design::Align align) {
  switch (align) {
    case design::Align::Centre:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case design::Align::Right:
      return Qt::AlignRight | Qt::AlignVCenter;
    case design::Align::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

QLabel* NewLabel(const design::Control& control, QWidget* parent) {
  auto* label = new QLabel(Text(control.text), parent);
  label->setAlignment(Alignment(control.align));
  if (control.boxed) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
  }
  if (control.background) {
    SetBackground(label, Colour(*control.background));
  }
  if (control.textColour) {
    SetTextColour(label, Colour(*control.textColour));
  }
  return label;
}

QWidget* NewControl(const design::Control& control, QWidget* parent) {
  switch (control.kind) {
    case design::Kind::Label:
      return NewLabel(control, parent);
    case design::Kind::Frame:
      // The frame holds the options, which makes them one exclusive group.
      return new QGroupBox(Text(control.text), parent);
    case design::Kind::Option: {
      auto* option = new QRadioButton(Text(control.text), parent);
      option->setChecked(control.on);
      return option;
    }
    case design::Kind::TextBox: {
      auto* box = new NoImeLineEdit(parent);
      box->setText(Text(control.text));
      box->setMaxLength(control.maxChars);
      box->setAlignment(Alignment(control.align));
      return box;
    }
    case design::Kind::List: {
      auto* list = new PickList(parent);
      list->setEditable(false);
      return list;
    }
    case design::Kind::Button: {
      auto* button = new QPushButton(Text(control.text), parent);
      // Neither button answers Enter: only a click, or Space on the focused button.
      button->setAutoDefault(false);
      button->setDefault(false);
      return button;
    }
  }
  return nullptr;
}

// The caption a result is announced with, before its value.
constexpr const char* kCaption = "quorvelCaption";

}  // namespace

frmGofu::frmGofu(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("frmGofu"));
  setWindowTitle(QStringLiteral("Quorvel"));
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
  Child<QWidget>(design::StartFocus().name)->setFocus(Qt::OtherFocusReason);
}

template <typename Widget>
Widget* frmGofu::Child(std::string_view name) const {
  return findChild<Widget*>(Text(name));
}

void frmGofu::BuildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  new DesignLayout(client, kClientSize);
  DesignLayout* layout = DesignLayout::Of(client);
  setCentralWidget(client);

  const QStringList widest = WidestResults();
  for (const design::Control& control : design::kControls) {
    QWidget* parent = control.container.empty() ? client : Child<QWidget>(control.container);
    QWidget* widget = NewControl(control, parent);
    widget->setObjectName(Text(control.name));
    layout->Place(widget, Pixels(control.rect));
    if (control.autoSize) {
      layout->FitToText(widget);
    }
  }

  std::size_t options = 0;
  for (const design::Control& control : design::kControls) {
    if (control.kind == design::Kind::Option) {
      options_.at(options++) = {Child<QRadioButton>(control.name),
                                LandChoiceNamed(design::LandNameOf(control)).value()};
    }
  }
  txtLandEtc_ = Child<QLineEdit>(design::Named("txtLandEtc").name);
  cboLevelBefore_ = Child<PickList>(design::Named("cboLevelBefore").name);
  cboLevelAfter_ = Child<PickList>(design::Named("cboLevelAfter").name);
  cboRensa_ = Child<PickList>(design::Named("cboRensa").name);
  txtGofu_ = Child<QLineEdit>(design::Named("txtGofu").name);
  // A result is read as its value, labelled by its caption.
  for (std::size_t i = 0; i < kResults.size(); ++i) {
    auto* value = Child<QLabel>(kResults.at(i).name);
    auto* caption = Child<QLabel>(design::Find(kResults.at(i).name).nameParts.front());
    caption->setBuddy(value);
    value->setProperty(kCaption, caption->text());
    layout->AlsoFit(value, widest);
    results_.at(i) = value;
  }

  // The group is one tab stop, the option that is on. Qt moves the stop only
  // when an option takes the focus, so it is also moved here when one turns on.
  for (const auto& [option, choice] : options_) {
    connect(option, &QRadioButton::toggled, this, [this] { UpdateOptionTabStop(); });
  }
  UpdateOptionTabStop();

  connect(Child<QPushButton>(design::Named("cmdKeisan").name), &QPushButton::clicked, this,
          &frmGofu::cmdKeisan_Click);
  connect(Child<QPushButton>(design::Named("cmdEnd").name), &QPushButton::clicked, this,
          &frmGofu::cmdEnd_Click);
  // Copy anywhere in the window takes the results on show, but where a text
  // box has a selection to copy (NoImeLineEdit).
  connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
          &frmGofu::CopySummary);
}

void frmGofu::UpdateOptionTabStop() {
  for (const auto& [option, choice] : options_) {
    option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

// The table lists the tab stops in their tab order.
void frmGofu::SetTabOrder() {
  QWidget* previous = nullptr;
  for (const design::Control& control : design::kControls) {
    if (design::TakesFocus(control)) {
      auto* stop = Child<QWidget>(control.name);
      if (previous != nullptr) {
        setTabOrder(previous, stop);
      }
      previous = stop;
    }
  }
}

void frmGofu::SetAccessibleNames() {
  // Each list is read with the captions on both its sides, so that a screen
  // reader tells "レベル 1 から" from "レベル 4 にアップ"; a box is named after
  // the captions around it, so a screen reader says which field it is.
  for (const design::Control& control : design::kControls) {
    if (control.kind == design::Kind::List) {
      Child<PickList>(control.name)
          ->SetCaptions(Child<QLabel>(control.nameParts[0]), Child<QLabel>(control.nameParts[1]));
    } else if (control.kind == design::Kind::TextBox) {
      Child<QWidget>(control.name)->setAccessibleName(Text(design::AccessibleName(control)));
    }
  }
  announcer_ = new Announcer(centralWidget());
}

void frmGofu::Form_Load() {
  Child<QLabel>(design::Named("lblVersion").name)
      ->setText(Text(VersionText(kVersionMajor, kVersionMinor, kVersionRevision)));
  for (const design::Control& control : design::kControls) {
    if (control.kind == design::Kind::List) {
      auto* list = Child<PickList>(control.name);
      for (std::string_view item : control.items) {
        list->addItem(Text(item));
      }
      list->setCurrentIndex(control.selected);
    }
  }
}

KeisanInput frmGofu::ReadInput() {
  KeisanInput input;
  input.cboLevelBefore = Utf8(cboLevelBefore_->currentText());
  input.cboLevelAfter = Utf8(cboLevelAfter_->currentText());
  input.cboRensa = Utf8(cboRensa_->currentText());
  input.txtGofu = Utf8(txtGofu_->text());
  input.txtLandEtc = Utf8(txtLandEtc_->text());
  // The options share one frame, so exactly one of them is on; were none,
  // at() would throw rather than pick one.
  const auto* on =
      std::ranges::find_if(options_, [](const auto& option) { return option.first->isChecked(); });
  input.landChoice = options_.at(static_cast<std::size_t>(on - options_.begin())).second;
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

// A result's working shows as its tooltip, and a screen reader reads it as
// the result's description on request.
void frmGofu::SetWorking(const KeisanWorking& working) {
  for (std::size_t i = 0; i < kResults.size(); ++i) {
    const QString line = Text(working.lines.*kResults.at(i).text);
    results_.at(i)->setToolTip(line);
    results_.at(i)->setAccessibleDescription(line);
  }
  summary_ = Text(working.summary);
}

void frmGofu::CopySummary() {
  if (!summary_.isEmpty()) {
    QGuiApplication::clipboard()->setText(summary_);
  }
}

void frmGofu::SetFocus(FocusTarget target) {
  auto* control = Child<QWidget>(FocusName(target));
  control->setFocus(Qt::OtherFocusReason);
  if (auto* box = qobject_cast<QLineEdit*>(control)) {
    box->selectAll();  // typing replaces the text that was turned away
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
