# Installation (GNUInstallDirs: program, desktop entry, icons, AppStream metainfo, the
# system text directory) and the Debian package (cpack -G DEB, see scripts/package.sh).
include(GNUInstallDirs)

set(QP_DATENVERZEICHNIS "${CMAKE_INSTALL_FULL_DATADIR}/quantenpfad")
target_compile_definitions(qp_common PRIVATE QP_DATENVERZEICHNIS="${QP_DATENVERZEICHNIS}")
target_compile_definitions(qp_app PRIVATE QP_VERSION="${PROJECT_VERSION}")

# The README's screenshots, shown by software centres.
set(QP_SCREENSHOT_URL "file://${QP_DATENVERZEICHNIS}/bilder" CACHE STRING
    "Folder (URL) of the screenshots named in the AppStream metainfo")
set(SCREENSHOT_URL "${QP_SCREENSHOT_URL}")
configure_file(${CMAKE_SOURCE_DIR}/data/quantenpfad.metainfo.xml
               ${CMAKE_BINARY_DIR}/data/quantenpfad.metainfo.xml @ONLY)

install(TARGETS quantenpfad RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/quantenpfad.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/data/quantenpfad.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/icons/quantenpfad.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(n 16 22 24 32 48 64 128 256)
  install(FILES data/icons/${n}x${n}/quantenpfad.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${n}x${n}/apps)
endforeach()
install(FILES docs/bilder/start.png docs/bilder/leitfaden.png DESTINATION ${CMAKE_INSTALL_DATADIR}/quantenpfad/bilder)
install(FILES data/LIESMICH.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/quantenpfad/QuantenTexte)
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quantenpfad)

set(CPACK_PACKAGE_NAME quantenpfad)
set(CPACK_PACKAGE_VENDOR "Quantenpfad")
set(CPACK_PACKAGE_CONTACT "Quantenpfad-Projekt")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lernprogramm zur Quantenphysik für die Oberstufe")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Lernprogramm zur Quantenphysik für die Oberstufe\n Ein Leitfaden aus 23 Theorieseiten mit Glossar und Biographien führt von den\n Welleneigenschaften des Lichts über Hohlraumstrahlung, Photoeffekt und Spektren\n bis zum quantenmechanischen Atommodell; zu jeder Seite gehört eine Simulation.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: the window-system plugins and the fonts the windows are drawn with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-comic-neue, fonts-open-sans, fonts-liberation2, fonts-dejavu-core")
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_STRIP_FILES ON)
include(CPack)
