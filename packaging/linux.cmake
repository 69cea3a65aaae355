# Linux: the program, its desktop entry, metainfo and icon; a Debian package.
include(GNUInstallDirs)
install(TARGETS quorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${generated}/${QUORVEL_DESKTOP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/${QUORVEL_DESKTOP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QUORVEL_PNG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)

set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "Quorvel")
set(CPACK_PACKAGE_CONTACT "Quorvel developers <dev@quorvel.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), qt6-qpa-plugins, libc6, libstdc++6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
