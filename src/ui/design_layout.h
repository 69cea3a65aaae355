// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QLayout>
#include <QList>
#include <QRect>
#include <QStringList>

#include <optional>
#include <utility>

class QStyle;

namespace quorvel {

// Places the window's controls where the design puts them. The design is
// drawn for a 9-point gothic whose full-width characters are 12 px wide and
// high; another font, or a larger font DPI, may need more room for some
// text. Then the whole design grows by one factor, so rows, order and
// proportions stay, and captions that size to their text follow it. Qt runs
// the layout again whenever the font, the style or the screen changes.
class DesignLayout : public QLayout {
  Q_OBJECT

 public:
  // `client` holds the controls, directly or inside frames placed in it;
  // `designSize` is its size in the design, in pixels at 96 dpi.
  DesignLayout(QWidget* client, QSize designSize);
  ~DesignLayout() override;
  DesignLayout(const DesignLayout&) = delete;
  DesignLayout& operator=(const DesignLayout&) = delete;
  DesignLayout(DesignLayout&&) = delete;
  DesignLayout& operator=(DesignLayout&&) = delete;

  // The layout that places the controls under `widget`'s client.
  static DesignLayout* Of(const QWidget* widget);

  // Places `control` at `design`: pixels at 96 dpi, in its parent.
  void Place(QWidget* control, const QRect& design);
  // A caption: as wide as its text, never narrower than the design.
  void FitToText(QWidget* caption);
  // Texts `control` must also show whole, such as the widest results.
  void AlsoFit(QWidget* control, const QStringList& texts);

  // What the design is drawn at: 1 in the design's own font.
  [[nodiscard]] double Factor() const;

  void addItem(QLayoutItem* item) override;
  [[nodiscard]] QLayoutItem* itemAt(int index) const override;
  QLayoutItem* takeAt(int index) override;
  [[nodiscard]] int count() const override;
  [[nodiscard]] QSize sizeHint() const override;
  [[nodiscard]] QSize minimumSize() const override;
  void setGeometry(const QRect& rect) override;
  void invalidate() override;

 private:
  struct Entry {
    QLayoutItem* item = nullptr;
    QRect design;
    bool fitToText = false;
    QStringList alsoFit;
  };
  // What the factor depends on. Qt invalidates the layout whenever a
  // control is shown, polished or moved, which changes none of this, so the
  // texts are measured again only when it differs.
  struct Basis {
    const QStyle* style = nullptr;
    int dpi = 0;
    QList<QFont> fonts;
    QList<QStringList> texts;
    bool operator==(const Basis&) const = default;
  };
  Entry* Find(const QWidget* control);
  void PlaceAll(double factor) const;
  [[nodiscard]] Basis CurrentBasis() const;
  [[nodiscard]] double Measure(const Basis& basis) const;

  QList<Entry> entries_;
  QSize designSize_;
  mutable std::optional<double> factor_;
  mutable std::optional<std::pair<Basis, double>> measured_;
};

// Where a control draws its text, at its present size.
QRect TextRoom(const QWidget* control);

}  // namespace quorvel
