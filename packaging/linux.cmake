# SPDX-License-Identifier: GPL-3.0-or-later
# Linux: the program, its desktop entry, metainfo and icon, a manual page,
# and the Debian package that cpack -G DEB makes of them.
include(GNUInstallDirs)
set(CPACK_PACKAGE_NAME quorvel)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})

install(TARGETS quorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUORVEL_GENERATED_DIR}/${QUORVEL_DESKTOP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUORVEL_GENERATED_DIR}/${QUORVEL_DESKTOP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${QUORVEL_HICOLOR} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The manual page and the changelog, compressed as Debian wants them:
# gzip -9, without a name or time stamp, so the package builds reproducibly.
configure_file(${PROJECT_SOURCE_DIR}/packaging/linux/quorvel.1.in ${QUORVEL_GENERATED_DIR}/quorvel.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/linux/copyright.in ${QUORVEL_GENERATED_DIR}/copyright @ONLY)
add_custom_command(
  OUTPUT ${QUORVEL_GENERATED_DIR}/changelog
  COMMAND ${CMAKE_COMMAND} -DIN_FILE=${PROJECT_SOURCE_DIR}/CHANGELOG.md -DOUT=${QUORVEL_GENERATED_DIR}/changelog
          -DPACKAGE=${CPACK_PACKAGE_NAME} "-DMAINTAINER=${CPACK_PACKAGE_CONTACT}"
          -P ${PROJECT_SOURCE_DIR}/packaging/changelog.cmake
  DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${PROJECT_SOURCE_DIR}/packaging/changelog.cmake
          ${PROJECT_SOURCE_DIR}/cmake/read_changelog.cmake
  COMMENT "Writing the Debian changelog"
  VERBATIM)
foreach(file quorvel.1 changelog)
  add_custom_command(
    OUTPUT ${QUORVEL_GENERATED_DIR}/${file}.gz
    COMMAND gzip -9 -n -c ${QUORVEL_GENERATED_DIR}/${file} > ${QUORVEL_GENERATED_DIR}/${file}.gz
    DEPENDS ${QUORVEL_GENERATED_DIR}/${file})
endforeach()
add_custom_target(quorvel_docs ALL DEPENDS ${QUORVEL_GENERATED_DIR}/quorvel.1.gz ${QUORVEL_GENERATED_DIR}/changelog.gz)
install(FILES ${QUORVEL_GENERATED_DIR}/quorvel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${QUORVEL_GENERATED_DIR}/copyright ${QUORVEL_GENERATED_DIR}/changelog.gz ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_STRIP_FILES ON)
# The libraries it links, as dpkg-shlibdeps finds them, and what Qt loads at
# run time: the platform plugins, and the Japanese gothic it is drawn for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic")
