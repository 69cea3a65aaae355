// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_box.h"

#include <QFontMetrics>
#include <QMessageBox>
#include <QGridLayout>
#include <QSpacerItem>

#include "title_bar.h"

namespace quorvel {
namespace {

// The width a title bar needs for `title` besides its icon and buttons.
int TitleBarWidth(const QString& title, const QFont& font) {
  // Window managers draw titles in a font of their own, often larger and
  // bold: allow a quarter more than ours, and room for the icon and three
  // buttons beside it.
  QFont titleFont = font;
  titleFont.setBold(true);
  const QFontMetrics metrics(titleFont);
  return metrics.horizontalAdvance(title) * 5 / 4 + 8 * metrics.height();
}

void FitTitle(QMessageBox& box) {
  // QMessageBox sizes itself to its layout's minimum width when shown; a
  // spacer as wide as the title bar needs raises that minimum.
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) {
    return;
  }
  const int width = TitleBarWidth(box.windowTitle(), box.font());
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

void ShowWarning(QWidget* owner, const QString& message, const QString& title) {
  QMessageBox box(QMessageBox::Warning, title, message, QMessageBox::Ok, owner);
  UseOwnTitleBarWhereNeeded(&box);
  FitTitle(box);
  box.exec();
}

bool AskYesNo(QWidget* owner, const QString& message, const QString& title) {
  QMessageBox box(QMessageBox::NoIcon, title, message, QMessageBox::Yes | QMessageBox::No, owner);
  box.setDefaultButton(QMessageBox::Yes);
  UseOwnTitleBarWhereNeeded(&box);
  FitTitle(box);
  // Esc and the close box count as No: only an explicit Yes goes on.
  return box.exec() == QMessageBox::Yes;
}

}  // namespace quorvel
