// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "application_setup.h"
#include "frm_gofu.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  quorvel::SetUpApplication(app);
  quorvel::frmGofu window;
  window.show();
  return QApplication::exec();
}
