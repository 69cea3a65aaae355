// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame_style.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <optional>

#include "contrast.h"

namespace quorvel {

namespace {

// Below the caption, where Fusion puts its own frame.
constexpr int kCaptionGap = 3;
constexpr int kContentMargin = 3;
constexpr int kComboTextGain = 2;
// The inner shadow of a sunken edge, darker (or, in a dark palette, lighter)
// than the edge itself.
constexpr double kShadowContrast = 9.0;

// The colours of what marks a control. The edge and the focus mark reach the
// text's 4.5:1 against the window, a margin over the 3:1 they need, so that
// the antialiased pixels of a circle still stand out.
struct MarkColours {
  QColor edge;
  QColor shadow;
  QColor focus;
};

// Every control asks as it is drawn, and the search for each colour takes
// many steps, so the colours of the last palette are kept.
MarkColours MarksOn(const QPalette& palette) {
  const QColor window = palette.color(QPalette::Window);
  const QColor ink = palette.color(QPalette::WindowText);
  const QColor highlight = palette.color(QPalette::Highlight);
  struct Kept {
    QRgb window, ink, highlight;
    MarkColours colours;
  };
  thread_local std::optional<Kept> kept;
  if (!kept || kept->window != window.rgba() || kept->ink != ink.rgba() ||
      kept->highlight != highlight.rgba()) {
    kept = Kept{window.rgba(),
                ink.rgba(),
                highlight.rgba(),
                {Toward(window, ink, window, kReadableContrast),
                 Toward(window, ink, window, kShadowContrast),
                 Toward(highlight, ink, window, kReadableContrast)}};
  }
  return kept->colours;
}

bool KeyboardFocus(const QStyleOption* option) {
  return option->state.testFlag(QStyle::State_HasFocus) &&
         option->state.testFlag(QStyle::State_KeyboardFocusChange);
}

// The keyboard focus mark: `width` one-pixel rings just inside `rect`.
void DrawFocusRing(QPainter* painter, const QRect& rect, const QPalette& palette, int width) {
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->setBrush(Qt::NoBrush);
  painter->setPen(MarksOn(palette).focus);
  for (int ring = 0; ring < width; ++ring) {
    painter->drawRect(rect.adjusted(ring, ring, -1 - ring, -1 - ring));
  }
  painter->restore();
}

// A frame sunk into the window: an edge all round, the shadow inside it at
// the top and left; in focus, a ring two pixels wide instead.
void DrawSunkenFrame(QPainter* painter, const QRect& rect, const QPalette& palette, bool focused) {
  if (focused) {
    DrawFocusRing(painter, rect, palette, 2);
    return;
  }
  const MarkColours colours = MarksOn(palette);
  const QRect outer = rect.adjusted(0, 0, -1, -1);
  const QRect inner = outer.adjusted(1, 1, -1, -1);
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->setBrush(Qt::NoBrush);
  painter->setPen(colours.edge);
  painter->drawRect(outer);
  painter->setPen(colours.shadow);
  painter->drawLine(inner.topLeft(), inner.topRight());
  painter->drawLine(inner.topLeft(), inner.bottomLeft());
  painter->restore();
}

// Fusion's circle and dot, in the edge, shadow and text colours.
void DrawOption(QPainter* painter, const QStyleOption* option) {
  const MarkColours colours = MarksOn(option->palette);
  const QRect& rect = option->rect;
  const QPointF centre = rect.center() + QPointF(1, 1);
  const qreal radius = (rect.width() + (rect.width() + 1) % 2) / 2.0 - 1;
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, true);
  painter->setBrush(option->palette.base());
  painter->setPen(KeyboardFocus(option) ? colours.focus : colours.edge);
  painter->drawEllipse(centre, radius, radius);
  const qreal shadowRadius = radius - 1;
  painter->setPen(colours.shadow);
  painter->drawArc(QRectF(centre.x() - shadowRadius, centre.y() - shadowRadius, 2 * shadowRadius,
                          2 * shadowRadius),
                   45 * 16, 180 * 16);
  if (option->state.testFlag(QStyle::State_On)) {
    const qreal dotRadius = radius / 2.32;
    painter->setPen(Qt::NoPen);
    painter->setBrush(option->palette.text());
    painter->drawEllipse(centre, dotRadius, dotRadius);
  }
  painter->restore();
}

}  // namespace

FrameStyle::FrameStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int FrameStyle::CaptionHeight(const QStyleOption* option, const QWidget* widget) const {
  return qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
              option->fontMetrics.height());
}

void FrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
  switch (element) {
    case PE_FrameGroupBox: {
      const QRect frame =
          option->rect.adjusted(0, CaptionHeight(option, widget) + kCaptionGap, 0, 0);
      qDrawShadeRect(painter, frame, option->palette, true, 1, 0);
      return;
    }
    case PE_FrameLineEdit:
      DrawSunkenFrame(painter, option->rect, option->palette,
                      option->state.testFlag(State_HasFocus));
      return;
    case PE_IndicatorRadioButton:
      DrawOption(painter, option);
      return;
    case PE_FrameFocusRect:
      if (KeyboardFocus(option)) {
        DrawFocusRing(painter, option->rect, option->palette, 1);
      }
      return;
    case PE_PanelButtonCommand:
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      if (KeyboardFocus(option)) {
        DrawFocusRing(painter, option->rect, option->palette, 2);
      }
      return;
    default:
      QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
}

void FrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const {
  if (control == CC_ComboBox) {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    DrawSunkenFrame(painter, option->rect, option->palette, KeyboardFocus(option));
    return;
  }
  const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  if (control != CC_GroupBox || box == nullptr || box->subControls.testFlag(SC_GroupBoxCheckBox)) {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    return;
  }
  QStyleOptionFrame frame;
  frame.QStyleOption::operator=(*box);
  frame.rect = subControlRect(control, option, SC_GroupBoxFrame, widget);
  drawPrimitive(PE_FrameGroupBox, &frame, painter, widget);
  drawItemText(painter, subControlRect(control, option, SC_GroupBoxLabel, widget),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, box->palette,
               (box->state & State_Enabled) != 0, box->text, QPalette::WindowText);
}

QRect FrameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                 SubControl subControl, const QWidget* widget) const {
  if (control == CC_ComboBox && option->direction == Qt::LeftToRight) {
    // Fusion's arrow takes 19 px; two of them go to the text, so that the
    // widest item, " 5～", is drawn whole in a list of the design's width.
    QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    if (subControl == SC_ComboBoxEditField) {
      rect.setRight(rect.right() + kComboTextGain);
    } else if (subControl == SC_ComboBoxArrow) {
      rect.setLeft(rect.left() + kComboTextGain);
    }
    return rect;
  }
  const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  if (control != CC_GroupBox || box == nullptr || box->subControls.testFlag(SC_GroupBoxCheckBox)) {
    return QProxyStyle::subControlRect(control, option, subControl, widget);
  }
  const int captionHeight = CaptionHeight(option, widget);
  switch (subControl) {
    case SC_GroupBoxFrame:
      return option->rect;
    case SC_GroupBoxLabel:
      return {option->rect.left(), option->rect.top(),
              option->fontMetrics.horizontalAdvance(box->text) + 2, captionHeight};
    case SC_GroupBoxContents:
      return option->rect.adjusted(kContentMargin, captionHeight + kCaptionGap + kContentMargin,
                                   -kContentMargin, -kContentMargin);
    default:
      return QProxyStyle::subControlRect(control, option, subControl, widget);
  }
}

}  // namespace quorvel
