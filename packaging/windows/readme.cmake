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
file(STRINGS ${CHANGELOG} lines ENCODING UTF-8)
set(QUORVEL_HISTORY "")
foreach(line IN LISTS lines)
  if(line MATCHES "^## ([^ ]+) \\(([0-9-]+)\\)")
    string(APPEND QUORVEL_HISTORY "\n${CMAKE_MATCH_1}（${CMAKE_MATCH_2}）\n")
  elseif(QUORVEL_HISTORY AND line MATCHES "^- (.*)")
    string(APPEND QUORVEL_HISTORY "・${CMAKE_MATCH_1}\n")
  elseif(QUORVEL_HISTORY AND line MATCHES "^  +(.*)")
    string(APPEND QUORVEL_HISTORY "  ${CMAKE_MATCH_1}\n")
  endif()
endforeach()
string(STRIP "${QUORVEL_HISTORY}" QUORVEL_HISTORY)
configure_file(${TEMPLATE} ${OUT}.lf @ONLY)
file(READ ${OUT}.lf text)
file(REMOVE ${OUT}.lf)
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 bom)
file(WRITE ${OUT} "${bom}${text}")
