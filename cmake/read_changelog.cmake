# SPDX-License-Identifier: GPL-3.0-or-later
# The one reader of CHANGELOG.md: for each "## VERSION (DATE)" heading it
# calls `on_release` with the version and the date, for each "- " item
# `on_item` with its first line, and `on_more` with each line that carries
# an item on. A macro calling macros, so that the callers' own variables
# collect what they write.
macro(quorvel_read_changelog file on_release on_item on_more)
  file(STRINGS ${file} _changelog_lines ENCODING UTF-8)
  set(_changelog_in_release FALSE)
  foreach(_changelog_line IN LISTS _changelog_lines)
    if(_changelog_line MATCHES "^## ([^ ]+) \\(([0-9-]+)\\)")
      set(_changelog_in_release TRUE)
      cmake_language(CALL ${on_release} "${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}")
    elseif(_changelog_in_release AND _changelog_line MATCHES "^- (.*)")
      cmake_language(CALL ${on_item} "${CMAKE_MATCH_1}")
    elseif(_changelog_in_release AND _changelog_line MATCHES "^  +(.*)")
      cmake_language(CALL ${on_more} "${CMAKE_MATCH_1}")
    endif()
  endforeach()
endmacro()
