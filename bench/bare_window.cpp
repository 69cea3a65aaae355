// SPDX-License-Identifier: GPL-3.0-or-later
// The yardsticks for start-up: a plain Qt 6 Widgets window of Quorvel's size,
// built in the same tree with the same compiler and flags. With --label it
// also shows one line of Japanese in a gothic font, which separates the cost
// of starting the font machinery from the cost of Quorvel's own window.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare"));
  window.setFixedSize(339, 353);
  if (argc > 1 && std::strcmp(argv[1], "--label") == 0) {  // NOLINT: bench tool
    QFont font(QStringLiteral("IPAGothic"));
    font.setPointSize(9);
    auto* label = new QLabel(QString::fromUtf8("レベルアップする土地の情報"), &window);
    label->setFont(font);
    label->setGeometry(8, 16, 312, 12);
  }
  window.show();
  return QApplication::exec();
}
