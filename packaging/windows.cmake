# SPDX-License-Identifier: GPL-3.0-or-later
# Windows: one self-contained quorvel.exe in a zip, with our licence and the
# notice for the Qt libraries linked into it.
find_package(Qt6 REQUIRED COMPONENTS Core)  # its version, for the notices

configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/THIRD-PARTY.txt.in
               ${QUORVEL_GENERATED_DIR}/THIRD-PARTY.txt @ONLY)
# The Japanese readme beside the program, as Japanese users of small Windows
# programs look for it.
set(readme ${QUORVEL_GENERATED_DIR}/はじめにお読みください.txt)
add_custom_command(
  OUTPUT ${readme}
  COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${PROJECT_SOURCE_DIR}/packaging/windows/readme-ja.txt.in
          -DCHANGELOG=${PROJECT_SOURCE_DIR}/CHANGELOG.md -DOUT=${readme}
          -DPROJECT_VERSION=${PROJECT_VERSION} -DQt6_VERSION=${Qt6_VERSION}
          -P ${PROJECT_SOURCE_DIR}/packaging/windows/readme.cmake
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/windows/readme-ja.txt.in
          ${PROJECT_SOURCE_DIR}/packaging/windows/readme.cmake ${PROJECT_SOURCE_DIR}/CHANGELOG.md
          ${PROJECT_SOURCE_DIR}/cmake/read_changelog.cmake
  COMMENT "Writing the Japanese readme"
  VERBATIM)
add_custom_target(quorvel_readme ALL DEPENDS ${readme})

install(TARGETS quorvel RUNTIME DESTINATION .)
install(FILES ${readme} DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${QUORVEL_GENERATED_DIR}/THIRD-PARTY.txt
              ${PROJECT_SOURCE_DIR}/packaging/windows/LGPL-3.0.txt
        DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Quorvel)
set(CPACK_PACKAGE_FILE_NAME "Quorvel-${PROJECT_VERSION}-win64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
