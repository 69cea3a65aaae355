# SPDX-License-Identifier: GPL-3.0-or-later
# The source archive: cpack --config CPackSourceConfig.cmake gives
# quorvel-<version>.tar.xz, the repository's files without its history,
# build directories, caches or editor files.
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME "quorvel-${PROJECT_VERSION}")
# History, build folders and caches only at the top of this clone: a clone
# may itself stand inside a folder called build or .cache, and would pack
# nothing. The patterns reach cpack's configuration as written, so the
# clone's path is escaped for a regular expression twice.
string(REGEX REPLACE "[][.*+?^$(){}|\\\\]" "\\\\\\\\\\0" top "${PROJECT_SOURCE_DIR}")
set(CPACK_SOURCE_IGNORE_FILES
    "^${top}/\\\\.git(/|$)" "^${top}/build[^/]*/" "^${top}/out/" "^${top}/\\\\.cache/" "/node_modules/"
    "/compile_commands\\\\.json$" "\\\\.swp$" "~$")
