# Installation (GNUInstallDirs: program, desktop entry, icons, AppStream metainfo, the
# system text directory) and the Debian package (cpack -G DEB, see scripts/package.sh).
include(GNUInstallDirs)

set(QP_DATENVERZEICHNIS "${CMAKE_INSTALL_FULL_DATADIR}/quantenpfad")
target_compile_definitions(qp_common PRIVATE QP_DATENVERZEICHNIS="${QP_DATENVERZEICHNIS}")
target_compile_definitions(qp_app PRIVATE QP_VERSION="${PROJECT_VERSION}")

# The component id of the desktop entry and the metainfo (reverse domain name).
set(QP_APP_ID "io.github.quantenpfad.Quantenpfad" CACHE STRING "AppStream and desktop-entry id")
target_compile_definitions(qp_app PRIVATE QP_APP_ID="${QP_APP_ID}")

# The README's screenshots for software centres: AppStream takes them only from a web
# address, so they are named when the address of docs/bilder is given.
set(QP_SCREENSHOT_URL "" CACHE STRING "Web address (https://…) of the folder docs/bilder")
set(SCREENSHOTS "")
if(QP_SCREENSHOT_URL)
  string(CONCAT SCREENSHOTS
    "  <screenshots>\n"
    "    <screenshot type=\"default\">\n"
    "      <caption>The start screen</caption>\n"
    "      <caption xml:lang=\"de\">Der Startbildschirm</caption>\n"
    "      <image>${QP_SCREENSHOT_URL}/start.png</image>\n"
    "    </screenshot>\n"
    "    <screenshot>\n"
    "      <caption>A page of the guide</caption>\n"
    "      <caption xml:lang=\"de\">Eine Seite des Leitfadens</caption>\n"
    "      <image>${QP_SCREENSHOT_URL}/leitfaden.png</image>\n"
    "    </screenshot>\n"
    "  </screenshots>\n")
endif()
configure_file(${CMAKE_SOURCE_DIR}/data/quantenpfad.metainfo.xml ${CMAKE_BINARY_DIR}/data/${QP_APP_ID}.metainfo.xml @ONLY)

install(TARGETS quantenpfad RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/quantenpfad.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications RENAME ${QP_APP_ID}.desktop)
install(FILES ${CMAKE_BINARY_DIR}/data/${QP_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/icons/quantenpfad.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(n 16 22 24 32 48 64 128 256)
  install(FILES data/icons/${n}x${n}/quantenpfad.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${n}x${n}/apps)
endforeach()
install(FILES data/LIESMICH.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/quantenpfad/QuantenTexte)
# The documentation folder as Debian wants it: the machine-readable copyright file and the
# compressed changelog.
file(ARCHIVE_CREATE OUTPUT ${CMAKE_BINARY_DIR}/data/changelog.gz PATHS ${CMAKE_SOURCE_DIR}/data/changelog
     FORMAT raw COMPRESSION GZip)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/changelog)
install(FILES README.md data/copyright ${CMAKE_BINARY_DIR}/data/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quantenpfad)

set(CPACK_PACKAGE_NAME quantenpfad)
set(CPACK_PACKAGE_VENDOR "Quantenpfad")
set(CPACK_PACKAGE_CONTACT "Quantenpfad-Projekt")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lernprogramm zur Quantenphysik für die Oberstufe")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Ein Leitfaden aus 23 Theorieseiten mit Glossar und Biographien führt von den\nWelleneigenschaften des Lichts über Hohlraumstrahlung, Photoeffekt und Spektren\nbis zum quantenmechanischen Atommodell; zu jeder Seite gehört eine Simulation.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: the window-system plugins, Qt's German texts and the fonts the
# windows are drawn with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-comic-neue, fonts-open-sans, fonts-liberation2, fonts-dejavu-core")
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_STRIP_FILES ON)
include(CPack)
