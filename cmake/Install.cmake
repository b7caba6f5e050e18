# Where the installed program keeps its files, the desktop entry, the icons, the AppStream
# metainfo, and the Debian package built by `cpack -G DEB`.
include(GNUInstallDirs)

set(TRIG_APP_ID "example.trigtutor.TrigTutor")
set(TRIG_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)

install(TARGETS trigtutor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TRIG_DESKTOP_DIR}/${TRIG_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TRIG_DESKTOP_DIR}/${TRIG_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${TRIG_DESKTOP_DIR}/icons/trigtutor-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${TRIG_APP_ID}.png)
endforeach()
install(FILES ${TRIG_DESKTOP_DIR}/icons/trigtutor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${TRIG_APP_ID}.svg)
# The help pages and the sample language file, for people who want to read or copy them
# (the program itself reads its own copies compiled into it).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/trigtutor/help
        OPTIONAL)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/languages/ DESTINATION ${CMAKE_INSTALL_DATADIR}/trigtutor/languages)

set(CPACK_PACKAGE_NAME "trigtutor")
set(CPACK_PACKAGE_VENDOR "The TrigTutor authors")
set(CPACK_PACKAGE_CONTACT "The TrigTutor authors <info@trig-tutor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Trigonometry for secondary school, with live pictures")
set(CPACK_PACKAGE_DESCRIPTION "A desktop program that teaches secondary-school trigonometry: functions on the unit circle, reduction of angles, associated angles, equations and inequalities, with a calculator. Italian, English and French.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://trig-tutor.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Pictures and fonts the program needs at run time beyond the libraries it links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2 | fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB")
include(CPack)
