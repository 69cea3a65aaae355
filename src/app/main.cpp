// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "frm_gofu.h"
#include "window_look.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  quorvel::ApplyApplicationLook(app);
  quorvel::frmGofu window;
  window.show();
  return QApplication::exec();
}
