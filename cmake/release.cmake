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

# One time for everything a release holds: midnight (UTC) of the release
# date, as SOURCE_DATE_EPOCH, so that a build from the source archive,
# without git, gives the same bytes as one from the clone.
string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" date_parts "${QUORVEL_RELEASE_DATE}")
set(year ${CMAKE_MATCH_1})
math(EXPR month "1${CMAKE_MATCH_2} - 100")
math(EXPR day "1${CMAKE_MATCH_3} - 100")
# Days since 1970-01-01 of a proleptic Gregorian date, counting years from
# March so that the leap day comes last.
if(month LESS_EQUAL 2)
  math(EXPR year "${year} - 1")
  math(EXPR month "${month} + 9")
else()
  math(EXPR month "${month} - 3")
endif()
math(EXPR QUORVEL_SOURCE_DATE_EPOCH
     "(${year} * 365 + ${year} / 4 - ${year} / 100 + ${year} / 400 + (153 * ${month} + 2) / 5 + ${day} - 1 - 719468) * 86400")

# cpack packs with that time and the same modes whatever the umask
# (cmake/cpack_reproducible.cmake); installed folders get fixed modes too.
set(CPACK_QUORVEL_SOURCE_DATE_EPOCH ${QUORVEL_SOURCE_DATE_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack_reproducible.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/cpack_modes.cmake)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_PACKAGE_VENDOR "Quorvel")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quorvel developers <dev@quorvel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator of magic power for land level changes in a game")
set(CPACK_PACKAGE_DESCRIPTION "Quorvel is a small calculator, in Japanese, for players who raise the
level of their lands by paying magic power. Given the level before and
after, the chain count, the talismans held and the land's base value, it
shows what the change costs or returns: the magic held, the land's value,
one talisman's value, all the talismans held, and the total.")
