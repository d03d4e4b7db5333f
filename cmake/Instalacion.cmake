# Installing Brovel: the programs in bin, their data folders in share/brovel (the
# programs look for them beside themselves, then in ../share/brovel from their own
# folder, so a moved installation still finds them), and what the desktop needs to
# list the program and open its projects: the menu entry, the icon in each size,
# and the projects' file type. `cpack -G DEB` in the build folder packs it for Debian.

install(TARGETS brovel brovel-calc RUNTIME DESTINATION bin)
# brovel-calc looks for its report writer in ../lib/brovel from its own folder.
install(TARGETS brovel_escritor LIBRARY DESTINATION lib/brovel)

# The report templates and the help document are made in the build's program folder
# by their own rules; a build without them installs without them.
install(DIRECTORY ${CMAKE_BINARY_DIR}/bin/Reportes ${CMAKE_BINARY_DIR}/bin/Ayuda
        DESTINATION share/brovel OPTIONAL)

set(brovel_escritorio ${PROJECT_SOURCE_DIR}/resources/escritorio)
set(brovel_icono ${PROJECT_SOURCE_DIR}/resources/brovel.svg)
install(FILES ${brovel_escritorio}/brovel.desktop DESTINATION share/applications)
install(FILES ${brovel_escritorio}/brovel.xml DESTINATION share/mime/packages)

# The icon names the program and, in a file manager, its projects. The icon theme
# wants every usual size drawn apart, besides the drawing itself.
install(FILES ${brovel_icono} DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${brovel_icono} DESTINATION share/icons/hicolor/scalable/mimetypes
        RENAME application-x-brovel-proyecto.svg)
set(brovel_iconos)
foreach(lado 16 32 48 64 128 256)
  set(carpeta ${CMAKE_BINARY_DIR}/iconos/${lado}x${lado})
  add_custom_command(OUTPUT ${carpeta}/brovel.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${carpeta}
    COMMAND dibujar_icono ${brovel_icono} ${carpeta}/brovel.png ${lado}
    DEPENDS dibujar_icono ${brovel_icono}
    COMMENT "Dibujando el icono de ${lado} píxeles"
    VERBATIM)
  list(APPEND brovel_iconos ${carpeta}/brovel.png)
  install(FILES ${carpeta}/brovel.png DESTINATION share/icons/hicolor/${lado}x${lado}/apps)
  install(FILES ${carpeta}/brovel.png DESTINATION share/icons/hicolor/${lado}x${lado}/mimetypes
          RENAME application-x-brovel-proyecto.png)
endforeach()
add_custom_target(iconos ALL DEPENDS ${brovel_iconos})

# The Debian package. Who answers for it is said here once: the package's
# Maintainer field and its changelog take it from this variable.
set(BROVEL_RESPONSABLE "Equipo de Brovel <brovel@example.org>" CACHE STRING
    "Quien responde por el paquete de Debian: nombre <correo>")

# The package's documents: the copyright in the machine-readable format, and the
# changelog of a native package, compressed as Debian wants it (no name or time
# in the gzip header, so that two builds give the same bytes).
set(brovel_paquete ${PROJECT_SOURCE_DIR}/resources/paquete)
set(brovel_documentos_paquete ${CMAKE_BINARY_DIR}/paquete)
configure_file(${brovel_paquete}/changelog.in ${brovel_documentos_paquete}/changelog @ONLY)
add_custom_command(OUTPUT ${brovel_documentos_paquete}/changelog.gz
  COMMAND gzip -9 -n -c ${brovel_documentos_paquete}/changelog > ${brovel_documentos_paquete}/changelog.gz
  DEPENDS ${brovel_documentos_paquete}/changelog
  COMMENT "Comprimiendo el registro de cambios del paquete"
  VERBATIM)
add_custom_target(documentos_paquete ALL DEPENDS ${brovel_documentos_paquete}/changelog.gz)
install(FILES ${brovel_paquete}/copyright ${brovel_documentos_paquete}/changelog.gz DESTINATION share/doc/brovel)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brovel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${BROVEL_RESPONSABLE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Calculadora de erosión hídrica de una ladera")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Brovel calcula, para una ladera, los factores de la ecuación universal de\n"
    "pérdida de suelo revisada y de su forma por evento impulsada por la\n"
    "escorrentía, la tasa de erosión y la producción de sedimentos. La ventana\n"
    "Zumbrel que lo acompaña calcula la escorrentía de una cuenca pequeña:\n"
    "hietograma, número de curva, hidrograma, volumen y caudal pico. brovel-calc\n"
    "hace los mismos cálculos sin ventanas e imprime JSON, para guiones.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; Qt's platform plugins are loaded, not
# linked, and without them there is no window.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The dialogs in Spanish, and the desktop's opener for the help document.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
include(CPack)
