# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the site into one zip that rebuilds bit for bit: its files in name
# order, each with the usual mode whatever the builder's umask, and the
# release's time (SOURCE_DATE_EPOCH) for every time the zip records, its
# DOS times, which are local, written in UTC.
#   cmake -DSITE=DIR -DZIP=FILE -DEPOCH=SECONDS -P pack_site.cmake
file(GLOB names RELATIVE ${SITE} ${SITE}/*)
list(SORT names)
foreach(name IN LISTS names)
  file(CHMOD ${SITE}/${name} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endforeach()
list(JOIN names "\n" listing)
file(WRITE ${ZIP}.files "${listing}\n")
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${EPOCH} TZ=UTC
                        ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip --files-from=${ZIP}.files
                WORKING_DIRECTORY ${SITE} COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${ZIP}.files)
