# SPDX-License-Identifier: GPL-3.0-or-later
# How each platform hardens the programs it builds, and what keeps a build's
# paths and times out of them, so that a release rebuilds bit for bit. Read
# by every target through quorvel_options.
option(QUORVEL_RELEASE_BUILD
       "Build as a release is built: hardened as the platform builds its own packages, no build paths inside" OFF)

if(QUORVEL_RELEASE_BUILD)
  # The clone's and the build's folders, wherever they are, leave no trace
  # in debug information, assertions or the build id.
  target_compile_options(quorvel_options INTERFACE
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
endif()

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  # Relocations read-only and bound at start-up, as Debian builds programs.
  target_link_options(quorvel_options INTERFACE -Wl,-z,relro,-z,now)
  if(QUORVEL_RELEASE_BUILD)
    # Debian's own flags for its packages (dpkg-buildflags, every hardening
    # feature), asked from the source folder so its prefix map is ours; and
    # what newer Debian adds: stack clash and control-flow protection, and
    # fortify level 3, which also checks copies whose size is known only at
    # run time (gcc 12 has it).
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
      execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                              dpkg-buildflags --get ${kind}
                      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
      separate_arguments(debian_${kind} UNIX_COMMAND "${flags}")
    endforeach()
    list(TRANSFORM debian_CPPFLAGS REPLACE "^-D_FORTIFY_SOURCE=.*" "-D_FORTIFY_SOURCE=3")
    target_compile_options(quorvel_options INTERFACE -U_FORTIFY_SOURCE ${debian_CPPFLAGS} ${debian_CXXFLAGS}
                           -fstack-clash-protection -fcf-protection)
    target_link_options(quorvel_options INTERFACE ${debian_LDFLAGS})
  endif()
elseif(MINGW)
  # Programs that run on any Windows as they are: the C and C++ runtimes and
  # winpthreads linked in, not shipped as DLLs beside them. Hardened as
  # Windows' own: relocatable anywhere in a 64-bit address space (ASLR with
  # high entropy, the relocations kept), data never executed (DEP), the
  # stack protector (MinGW-w64's libssp, linked in too). The PE header
  # carries no link time.
  target_compile_options(quorvel_options INTERFACE -fstack-protector-strong)
  target_link_options(quorvel_options INTERFACE -static -fstack-protector-strong
    -Wl,--dynamicbase,--high-entropy-va,--nxcompat,--no-insert-timestamp)
endif()
