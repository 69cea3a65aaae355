# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the Japanese readme of the Windows zip from its template, with the
# releases of CHANGELOG.md as its history: UTF-8 with a byte-order mark and
# CRLF line ends, so that every Notepad shows it as it is.
#   cmake -DTEMPLATE=readme-ja.txt.in -DCHANGELOG=CHANGELOG.md -DOUT=readme.txt
#         -DPROJECT_VERSION=1.2.3.4 -DQt6_VERSION=6.4.2 -P readme.cmake
foreach(var TEMPLATE CHANGELOG OUT PROJECT_VERSION Qt6_VERSION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} not set")
  endif()
endforeach()
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/read_changelog.cmake)
set(QUORVEL_HISTORY "")
macro(on_release version day)
  string(APPEND QUORVEL_HISTORY "\n${version}（${day}）\n")
endmacro()
macro(on_item text)
  string(APPEND QUORVEL_HISTORY "・${text}\n")
endmacro()
macro(on_more text)
  string(APPEND QUORVEL_HISTORY "  ${text}\n")
endmacro()
quorvel_read_changelog(${CHANGELOG} on_release on_item on_more)
string(STRIP "${QUORVEL_HISTORY}" QUORVEL_HISTORY)
configure_file(${TEMPLATE} ${OUT}.lf @ONLY)
file(READ ${OUT}.lf text)
file(REMOVE ${OUT}.lf)
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 bom)
file(WRITE ${OUT} "${bom}${text}")
