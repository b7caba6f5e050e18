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

# The manual page and the Debian changelog are installed compressed the way Debian wants them:
# gzip -9 without a name or time stamp, so the same sources give the same package.
set(TRIG_PACKAGE_DIR ${PROJECT_SOURCE_DIR}/resources/package)
set(TRIG_COMPRESSED)
foreach(source ${PROJECT_SOURCE_DIR}/resources/man/trigtutor.1 ${TRIG_PACKAGE_DIR}/changelog)
  get_filename_component(name ${source} NAME)
  set(compressed ${CMAKE_CURRENT_BINARY_DIR}/compressed/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/compressed
    COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" sh ${source} ${compressed}
    DEPENDS ${source} VERBATIM)
  list(APPEND TRIG_COMPRESSED ${compressed})
endforeach()
add_custom_target(trigtutor_compressed_docs ALL DEPENDS ${TRIG_COMPRESSED})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/compressed/trigtutor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TRIG_PACKAGE_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/compressed/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/trigtutor)

set(CPACK_PACKAGE_NAME "trigtutor")
set(CPACK_PACKAGE_VENDOR "The Anglebook authors")
set(CPACK_PACKAGE_CONTACT "The Anglebook authors <info@trig-tutor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Anglebook, trigonometry for secondary school with live pictures")
# One line per row of the extended description; Debian wants rows of at most 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Anglebook is a desktop program that teaches secondary-school trigonometry:"
  "the six functions traced on the unit circle beside their graphs, reduction"
  "of angles to the first quadrant or octant, associated angles, and"
  "elementary, quadratic and linear equations and inequalities, re-solved and"
  "redrawn at every change. It includes a small scientific calculator."
  "The texts are in Italian, English and French, and a fourth language can be"
  "loaded from a plain-text file.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://trig-tutor.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Pictures and fonts the program needs at run time beyond the libraries it links, and Qt's
# translations, which put the file chooser and the dialog buttons in the program's language;
# the SVG library that writes saved drawings is named as well, beside what the linked
# libraries bring.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, libqt6svg6, libqt6sql6-sqlite, fonts-liberation2 | fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB")
include(CPack)
