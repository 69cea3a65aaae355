// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

#include <iterator>

namespace quorvel::test {

// qt6ct's "darker" colour scheme, in the order of its configuration file.
inline QPalette DarkPalette() {
  const char* const colours[] = {"#ffffff", "#424245", "#979797", "#5e5c5b", "#302f2e", "#4a4947",
                                 "#ffffff", "#ffffff", "#ffffff", "#3d3d3d", "#222020", "#e7e4e0",
                                 "#12608a", "#f9f9f9", "#0986d3", "#a70b06", "#5c5b5a"};
  QPalette palette;
  for (int role = 0; role < int(std::size(colours)); ++role) {
    palette.setColor(static_cast<QPalette::ColorRole>(role), QColor(colours[role]));
  }
  return palette;
}

}  // namespace quorvel::test
