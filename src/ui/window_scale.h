#pragma once

#include <QRect>
#include <QStringList>

class QWidget;

namespace quorvel {

// The window is drawn for a 9-point gothic whose full-width characters are
// 12 px wide and high. Another font, or a larger font DPI, may need more
// room: the whole layout then grows by one factor, so rows, order and
// proportions stay, and captions that size to their text follow it.

// Records where a control stands in the design, in pixels at 96 dpi.
void SetDesignRect(QWidget* control, const QRect& pixels);
// Marks a caption whose size follows its text.
void SetAutoSize(QWidget* label);
// Texts a control must be able to show besides its own, e.g. the widest results.
void SetWidestTexts(QWidget* control, const QStringList& texts);

// The texts a control must be able to show: its own, the items of a list,
// a full text box of the widest digit, and any widest texts set for it.
QStringList TextsToFit(const QWidget* control);

// Where a control draws its text, at its present size.
QRect TextRoom(const QWidget* control);

// How much the controls placed under `client` must grow so that every text
// fits its room, in the font each control draws with: 1 when all fit.
// Controls must stand at their design rects (a scale of 1) when asked.
double RequiredScale(const QWidget* client);

// The controls placed under `client` with a design rect.
QList<QWidget*> PlacedControls(const QWidget* client);
// Whether a caption sizes to its text instead of growing with the layout.
bool IsAutoSize(const QWidget* control);

// Places every control under `client` at its design rect times `scale`, and
// fits the captions that size to their text.
void ScaleLayout(QWidget* client, double scale);

}  // namespace quorvel
