# SPDX-License-Identifier: GPL-3.0-or-later
# What this release is called everywhere, from project() and CHANGELOG.md:
# the file version text, the release date, and the CPack settings that the
# Debian package, the Windows zip and the source archive share. What differs
# per platform is in packaging/.

# The version as the file version text shows it: "1.00.0001".
string(LENGTH "${PROJECT_VERSION_MINOR}" minor_length)
string(LENGTH "${PROJECT_VERSION_TWEAK}" tweak_length)
math(EXPR minor_pad "2 - ${minor_length}")
math(EXPR tweak_pad "4 - ${tweak_length}")
string(REPEAT "0" ${minor_pad} minor_zeros)
string(REPEAT "0" ${tweak_pad} tweak_zeros)
set(QUORVEL_VERSION_TEXT
    "${PROJECT_VERSION_MAJOR}.${minor_zeros}${PROJECT_VERSION_MINOR}.${tweak_zeros}${PROJECT_VERSION_TWEAK}")

# The release date, from the changelog's entry for this version.
include(${CMAKE_CURRENT_LIST_DIR}/read_changelog.cmake)
set(QUORVEL_RELEASE_DATE "")
macro(quorvel_release_date version day)
  if("${version}" STREQUAL PROJECT_VERSION)
    set(QUORVEL_RELEASE_DATE ${day})
  endif()
endmacro()
macro(quorvel_skip_line text)
endmacro()
quorvel_read_changelog(${PROJECT_SOURCE_DIR}/CHANGELOG.md quorvel_release_date quorvel_skip_line
                       quorvel_skip_line)
if(NOT QUORVEL_RELEASE_DATE)
  message(FATAL_ERROR "CHANGELOG.md has no entry \"## ${PROJECT_VERSION} (YYYY-MM-DD)\"")
endif()

set(CPACK_PACKAGE_VENDOR "Quorvel")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quorvel developers <dev@quorvel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator of magic power for land level changes in a game")
set(CPACK_PACKAGE_DESCRIPTION "Quorvel is a small calculator, in Japanese, for players who raise the
level of their lands by paying magic power. Given the level before and
after, the chain count, the talismans held and the land's base value, it
shows what the change costs or returns: the magic held, the land's value,
one talisman's value, all the talismans held, and the total.")
