# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before each package: every time it writes (file times in
# the archives, the Debian package's members) is the release's, unless the
# builder gives SOURCE_DATE_EPOCH itself.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_QUORVEL_SOURCE_DATE_EPOCH})
endif()
