// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the window after 計算 with the start-up choices, for the README:
//   window_screenshot OUT.png [dark]
// It draws as the window tests do: the application's look, 96 dpi.
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <iostream>

#include "application_setup.h"
#include "dark_palette.h"
#include "frm_gofu.h"

int main(int argc, char* argv[]) {
  QApplication::setAttribute(Qt::AA_Use96Dpi, true);
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() < 2 || args.size() > 3 || (args.size() == 3 && args[2] != "dark")) {
    std::cerr << "usage: window_screenshot OUT.png [dark]\n";
    return 2;
  }
  quorvel::SetUpApplication(app);
  if (args.size() == 3) {
    QApplication::setPalette(quorvel::test::DarkPalette());
  }
  quorvel::frmGofu window;
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) {
    return 1;
  }
  QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdKeisan")), Qt::LeftButton);
  return window.grab().save(args[1]) ? 0 : 1;
}
