# Linux: the program, its desktop entry, metainfo and icon, a manual page,
# and the Debian package that cpack -G DEB makes of them.
include(GNUInstallDirs)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "Quorvel")
set(CPACK_PACKAGE_CONTACT "Quorvel developers <dev@quorvel.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})

install(TARGETS quorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${generated}/${QUORVEL_DESKTOP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/${QUORVEL_DESKTOP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${QUORVEL_HICOLOR} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The manual page and the changelog, compressed as Debian wants them:
# gzip -9, without a name or time stamp, so the package builds reproducibly.
configure_file(${PROJECT_SOURCE_DIR}/packaging/linux/quorvel.1.in ${generated}/quorvel.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/linux/copyright.in ${generated}/copyright @ONLY)
add_custom_command(
  OUTPUT ${generated}/changelog
  COMMAND ${CMAKE_COMMAND} -DIN_FILE=${PROJECT_SOURCE_DIR}/CHANGELOG.md -DOUT=${generated}/changelog
          -DPACKAGE=${CPACK_PACKAGE_NAME} "-DMAINTAINER=${CPACK_PACKAGE_CONTACT}"
          -P ${PROJECT_SOURCE_DIR}/packaging/changelog.cmake
  DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${PROJECT_SOURCE_DIR}/packaging/changelog.cmake
  COMMENT "Writing the Debian changelog"
  VERBATIM)
foreach(file quorvel.1 changelog)
  add_custom_command(
    OUTPUT ${generated}/${file}.gz
    COMMAND gzip -9 -n -c ${generated}/${file} > ${generated}/${file}.gz
    DEPENDS ${generated}/${file})
endforeach()
add_custom_target(quorvel_docs ALL DEPENDS ${generated}/quorvel.1.gz ${generated}/changelog.gz)
install(FILES ${generated}/quorvel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${generated}/copyright ${generated}/changelog.gz ${PROJECT_SOURCE_DIR}/README.md
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
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator of magic power for land level changes in a game")
set(CPACK_PACKAGE_DESCRIPTION "Quorvel is a small calculator, in Japanese, for players who raise the
level of their lands by paying magic power. Given the level before and
after, the chain count, the talismans held and the land's base value, it
shows what the change costs or returns: the magic held, the land's value,
one talisman's value, all the talismans held, and the total.")
