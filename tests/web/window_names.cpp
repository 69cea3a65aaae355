// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what a screen reader is told of each of the window's controls, from
// the window's own accessibility interfaces, for the page's tests to compare
// the page with: its name, its value and the name of what labels it.
//   window_names   {"txtGofu": {"name": "護符枚数", "value": "50", "label": ""}, ...}
#include <QAccessible>
#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include <iostream>

#include "application_setup.h"
#include "frm_gofu.h"
#include "frm_gofu_design.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  quorvel::SetUpApplication(app);
  quorvel::frmGofu window;
  window.show();
  QJsonObject controls;
  for (const quorvel::design::Control& control : quorvel::design::kControls) {
    const QString id = QString::fromUtf8(control.name.data(), qsizetype(control.name.size()));
    QAccessibleInterface* face =
        QAccessible::queryAccessibleInterface(window.findChild<QWidget*>(id));
    if (face == nullptr) {
      std::cerr << "no control " << control.name << '\n';
      return 1;
    }
    const auto labels = face->relations(QAccessible::Label);
    controls[id] = QJsonObject{
        {"name", face->text(QAccessible::Name)},
        {"value", face->text(QAccessible::Value)},
        {"label", labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name)}};
  }
  std::cout << QJsonDocument(controls).toJson().toStdString();
  return 0;
}
