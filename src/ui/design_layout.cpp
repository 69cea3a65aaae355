// SPDX-License-Identifier: GPL-3.0-or-later
#include "design_layout.h"

#include <QComboBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QWidgetItem>

#include <algorithm>
#include <cmath>
#include <utility>

namespace quorvel {
namespace {

// What floating-point error may add to a size that is a whole pixel.
constexpr double kPixelSlack = 1e-6;

QRect LabelRoom(const QLabel* label) {
  // A framed label keeps half an "x" clear of the frame on the side it is
  // aligned to; the room keeps as much on the other side too, so that the
  // widest text does not run into the frame there either.
  QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                              -label->margin());
  int indent = label->indent();
  if (indent < 0 && label->frameWidth() > 0) {
    indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - label->margin();
  }
  if (indent > 0) {
    room.adjust(indent, 0, -indent, 0);
  }
  return room;
}

// A Japanese gothic draws its glyphs within the em square, so a line needs
// the font's size in pixels in height, and its advance in width.
double EmHeight(const QFont& font) { return QFontInfo(font).pixelSize(); }

// How much a control must grow for `text` to fit the room it draws it in.
// What the control keeps around that room (frame, margins, indicator, arrow)
// is sized by the style, not by the control, so only the room grows.
double Growth(const QWidget* control, const QString& text, const QRect& room) {
  const QSize size = control->size();
  if (size.isEmpty()) {
    return 1.0;
  }
  const double width = QFontMetricsF(control->font()).horizontalAdvance(text);
  const double height = EmHeight(control->font());
  return std::max((width + size.width() - room.width()) / size.width(),
                  (height + size.height() - room.height()) / size.height());
}

// The texts a control must be able to show: its own, the items of a list,
// a full text box of the widest digit, and any set for it besides.
QStringList TextsToFit(const QWidget* control, QStringList texts) {
  if (const auto* label = qobject_cast<const QLabel*>(control)) {
    texts << label->text();
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
    texts << button->text();
  } else if (const auto* list = qobject_cast<const QComboBox*>(control)) {
    for (int i = 0; i < list->count(); ++i) {
      texts << list->itemText(i);
    }
  } else if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
    // As many of the widest digit as the box takes.
    texts << box->text() << QString(std::min(box->maxLength(), 16), QLatin1Char('0'));
  } else if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
    texts << frame->title();
  }
  texts.removeAll(QString());
  return texts;
}

}  // namespace

QRect TextRoom(const QWidget* control) {
  QStyle* style = control->style();
  if (const auto* label = qobject_cast<const QLabel*>(control)) {
    return LabelRoom(label);
  }
  if (const auto* option = qobject_cast<const QRadioButton*>(control)) {
    QStyleOptionButton opt;
    opt.initFrom(option);
    opt.text = option->text();
    return style->subElementRect(QStyle::SE_RadioButtonContents, &opt, option);
  }
  if (const auto* button = qobject_cast<const QPushButton*>(control)) {
    QStyleOptionButton opt;
    opt.initFrom(button);
    opt.text = button->text();
    return style->subElementRect(QStyle::SE_PushButtonContents, &opt, button);
  }
  if (const auto* list = qobject_cast<const QComboBox*>(control)) {
    QStyleOptionComboBox opt;
    opt.initFrom(list);
    opt.editable = false;
    opt.frame = true;
    // The item is drawn one pixel in from either side of the field.
    return style->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, list)
        .adjusted(1, 0, -1, 0);
  }
  if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
    QStyleOptionFrame opt;
    opt.initFrom(box);
    opt.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, box);
    // QLineEdit keeps two pixels clear on either side and one above and below.
    return style->subElementRect(QStyle::SE_LineEditContents, &opt, box).adjusted(2, 1, -2, -1);
  }
  if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
    QStyleOptionGroupBox opt;
    opt.initFrom(frame);
    opt.text = frame->title();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect caption =
        style->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, frame);
    return {0, 0, frame->width(), caption.height()};
  }
  return control->contentsRect();
}

DesignLayout::DesignLayout(QWidget* client, QSize designSize)
    : QLayout(client), designSize_(designSize) {
  setContentsMargins(0, 0, 0, 0);
}

DesignLayout::~DesignLayout() {
  while (QLayoutItem* item = DesignLayout::takeAt(0)) {
    delete item;
  }
}

DesignLayout* DesignLayout::Of(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (auto* layout = qobject_cast<DesignLayout*>(w->layout())) {
      return layout;
    }
  }
  return nullptr;
}

void DesignLayout::Place(QWidget* control, const QRect& design) {
  // Not addWidget: that would move the controls of a frame into the client.
  entries_.append({new QWidgetItem(control), design, false, {}});
  control->setGeometry(design);
  invalidate();
}

DesignLayout::Entry* DesignLayout::Find(const QWidget* control) {
  const auto found = std::find_if(entries_.begin(), entries_.end(), [control](const Entry& e) {
    return e.item->widget() == control;
  });
  return found != entries_.end() ? &*found : nullptr;
}

void DesignLayout::FitToText(QWidget* caption) {
  if (Entry* entry = Find(caption)) {
    entry->fitToText = true;
    invalidate();
  }
}

void DesignLayout::AlsoFit(QWidget* control, const QStringList& texts) {
  if (Entry* entry = Find(control)) {
    entry->alsoFit = texts;
    invalidate();
  }
}

double DesignLayout::Factor() const {
  if (!factor_) {
    Basis basis = CurrentBasis();
    if (!measured_ || measured_->first != basis) {
      const double factor = Measure(basis);
      measured_.emplace(std::move(basis), factor);
    }
    factor_ = measured_->second;
  }
  return *factor_;
}

DesignLayout::Basis DesignLayout::CurrentBasis() const {
  Basis basis{parentWidget()->style(), parentWidget()->logicalDpiY(), {}, {}};
  for (const Entry& entry : entries_) {
    const QWidget* control = entry.item->widget();
    basis.fonts << control->font();
    basis.texts << TextsToFit(control, entry.alsoFit);
  }
  return basis;
}

double DesignLayout::Measure(const Basis& basis) const {
  // Measured at the design's size, since what a control keeps around its
  // text (frame, margins, indicator, arrow) does not grow with it.
  PlaceAll(1.0);
  double factor = 1.0;
  for (qsizetype i = 0; i < entries_.size(); ++i) {
    if (entries_.at(i).fitToText) {
      continue;  // it follows its text instead
    }
    const QWidget* control = entries_.at(i).item->widget();
    const QRect room = TextRoom(control);
    for (const QString& text : basis.texts.at(i)) {
      factor = std::max(factor, Growth(control, text, room));
    }
  }
  return factor;
}

void DesignLayout::PlaceAll(double factor) const {
  // Places to the nearest pixel; sizes up, so that a room measured to a
  // fraction of a pixel is not rounded below what its text needs.
  const auto place = [factor](int pixels) {
    return static_cast<int>(std::lround(pixels * factor));
  };
  const auto size = [factor](int pixels) {
    return static_cast<int>(std::ceil(pixels * factor - kPixelSlack));
  };
  for (const Entry& entry : entries_) {
    QWidget* control = entry.item->widget();
    const QRect& design = entry.design;
    QRect rect(place(design.x()), place(design.y()), size(design.width()), size(design.height()));
    if (entry.fitToText) {
      // Wider to the right, as a left-aligned caption grows; taller about
      // its middle, so the line stays on its row.
      const QFontMetricsF metrics(control->font());
      double width = 0;
      for (const QString& text : TextsToFit(control, entry.alsoFit)) {
        width = std::max(width, metrics.horizontalAdvance(text));
      }
      const int height = static_cast<int>(std::ceil(EmHeight(control->font())));
      const int extraHeight = std::max(0, height - rect.height());
      rect.setWidth(std::max(rect.width(), static_cast<int>(std::ceil(width))));
      rect.adjust(0, -extraHeight / 2, 0, extraHeight - extraHeight / 2);
    }
    control->setGeometry(rect);
  }
}

void DesignLayout::addItem(QLayoutItem* item) {
  entries_.append({item, item->geometry(), false, {}});
}

QLayoutItem* DesignLayout::itemAt(int index) const {
  return index >= 0 && index < entries_.size() ? entries_.at(index).item : nullptr;
}

QLayoutItem* DesignLayout::takeAt(int index) {
  if (index < 0 || index >= entries_.size()) {
    return nullptr;
  }
  return entries_.takeAt(index).item;
}

int DesignLayout::count() const { return static_cast<int>(entries_.size()); }

QSize DesignLayout::sizeHint() const {
  const double factor = Factor();
  return {static_cast<int>(std::lround(designSize_.width() * factor)),
          static_cast<int>(std::lround(designSize_.height() * factor))};
}

QSize DesignLayout::minimumSize() const { return sizeHint(); }

void DesignLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  PlaceAll(Factor());
}

void DesignLayout::invalidate() {
  factor_.reset();
  QLayout::invalidate();
}

}  // namespace quorvel
