// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace quorvel {

// Fusion, with the group box drawn as a caption in the window font over a
// plain etched line. Fusion draws that frame from a PNG, and loading it makes
// Qt open every image-format plugin (gif, ico, jpeg and libjpeg) just to start
// the window; its bold caption costs a second font engine as well. Lists give
// their text a little more of their width than Fusion does.
//
// Text boxes, lists and option circles are drawn sunken, with edges and a
// focus mark whose colours come from the palette so that they stand out from
// the window in any palette: Fusion's own frames fade into light, dark and
// high-contrast palettes alike.
class FrameStyle : public QProxyStyle {
  Q_OBJECT

 public:
  FrameStyle();

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override;
  [[nodiscard]] QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                     SubControl subControl, const QWidget* widget) const override;

 private:
  [[nodiscard]] int CaptionHeight(const QStyleOption* option, const QWidget* widget) const;
};

}  // namespace quorvel
