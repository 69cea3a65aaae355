# SPDX-License-Identifier: GPL-3.0-or-later
# The source archive: cpack --config CPackSourceConfig.cmake gives
# quorvel-<version>.tar.xz, the repository's files without its history,
# build directories, caches or editor files.
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME "quorvel-${PROJECT_VERSION}")
set(CPACK_SOURCE_IGNORE_FILES
    "/\\\\.git/" "/\\\\.git$" "/build[^/]*/" "/out/" "/\\\\.cache/" "/node_modules/"
    "/compile_commands\\\\.json$" "\\\\.swp$" "~$")
