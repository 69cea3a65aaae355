// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace quorvel {

// What screen readers are given for the window's text boxes and lists, in
// place of Qt's own, which Orca cannot read whole:
// - a text box reports its whole text as one run of attributes (Qt reports
//   empty runs, and Orca then drops the last character of every line);
// - a list is named by its captions with its value between them ("レベル 1
//   から"), has no label relations that Orca would read instead of that
//   name, and reports each new value as a value change, which Orca speaks;
// - neither reports label relations, so the name is what is read.
// Installs itself once; call before the window is built.
void InstallAccessibility();

// Tells a screen reader what just happened (the results after 計算): an
// invisible notification that shows itself with the news as its name, which
// Orca speaks. Qt 6.4 has no announcement API, Orca ignores changes to
// labels, and Qt sends name and description changes that Orca cannot read.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* parent);

  void Announce(const QString& news);
};

}  // namespace quorvel
