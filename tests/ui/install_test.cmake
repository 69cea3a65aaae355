# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a staging folder and packages it as a .deb, then
# checks what a user's system would receive.
foreach(var BUILD_DIR WORK_DIR DESKTOP_ID VERSION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/stage/usr
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
set(icons)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND icons share/icons/hicolor/${size}x${size}/apps/${DESKTOP_ID}.png)
endforeach()
foreach(file bin/quorvel
             share/applications/${DESKTOP_ID}.desktop
             share/metainfo/${DESKTOP_ID}.metainfo.xml
             ${icons})
  if(NOT EXISTS ${WORK_DIR}/stage/usr/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

execute_process(COMMAND cpack -G DEB -B ${WORK_DIR}/package --config ${BUILD_DIR}/CPackConfig.cmake
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed: ${out}")
endif()
file(GLOB debs ${WORK_DIR}/package/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one .deb, found: ${debs}")
endif()
foreach(field Depends Recommends Version)
  execute_process(COMMAND dpkg-deb --field ${debs} ${field} OUTPUT_VARIABLE value
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(${field} "${value}")
endforeach()
# Depends as dpkg-shlibdeps computes it, plus the platform plugins Qt loads.
if(NOT Depends MATCHES "libqt6widgets6 \\(>=" OR NOT Depends MATCHES "qt6-qpa-plugins"
   OR NOT Recommends MATCHES "fonts-ipafont-gothic" OR NOT Version STREQUAL VERSION)
  message(FATAL_ERROR "package fields: Depends=${Depends} Recommends=${Recommends} Version=${Version}")
endif()
execute_process(COMMAND dpkg-deb --contents ${debs} OUTPUT_VARIABLE contents)
foreach(file usr/share/applications/${DESKTOP_ID}.desktop usr/share/man/man1/quorvel.1.gz
             usr/share/doc/quorvel/copyright usr/share/doc/quorvel/changelog.gz)
  if(NOT contents MATCHES "${file}")
    message(FATAL_ERROR "package lacks ${file}:\n${contents}")
  endif()
endforeach()

# Every file the manual page sends the reader to is in the package.
file(READ ${BUILD_DIR}/src/ui/generated/quorvel.1 manual)
string(REGEX MATCHALL "/usr/share/doc/[^ \n]*[^ \n.]" named "${manual}")
if(NOT named)
  message(FATAL_ERROR "the manual page names no file under /usr/share/doc")
endif()
foreach(file IN LISTS named)
  string(FIND "${contents}" ".${file}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the manual page names ${file}, which the package lacks")
  endif()
endforeach()

# What Debian's own checker says of it: no error and no warning.
# Its scratch files go to our work folder, not the system's /tmp.
file(MAKE_DIRECTORY ${WORK_DIR}/tmp)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TMPDIR=${WORK_DIR}/tmp
                        lintian --fail-on error,warning ${debs}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lintian:\n${out}${err}")
endif()
message(STATUS "installed and packaged: ${debs}")
