#include "window_style.h"

#include <qdrawutil.h>
#include <QStyleFactory>
#include <QStyleOption>

namespace quorvel {

namespace {

// Below the caption, where Fusion puts its own frame.
constexpr int kCaptionGap = 3;
constexpr int kContentMargin = 3;
constexpr int kComboTextGain = 2;

}  // namespace

WindowStyle::WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int WindowStyle::CaptionHeight(const QStyleOption* option, const QWidget* widget) const {
  return qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
              option->fontMetrics.height());
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
  if (element != PE_FrameGroupBox) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  const QRect frame = option->rect.adjusted(0, CaptionHeight(option, widget) + kCaptionGap, 0, 0);
  qDrawShadeRect(painter, frame, option->palette, true, 1, 0);
}

void WindowStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
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

QRect WindowStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
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
