# Installation and the Debian package ("cmake --build build --target package";
# scripts/package.sh builds it and runs the validators).
include(GNUInstallDirs)

set(BELEGWERK_ID example.belegwerk.Belegwerk)
set(PKG ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS belegwerk RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Start-up looks for its catalogues beside the executable, then here.
install(FILES ${BELEGWERK_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/belegwerk/translations)
install(FILES ${PKG}/${BELEGWERK_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PKG}/${BELEGWERK_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/belegwerk-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${BELEGWERK_ID}.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/belegwerk.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${BELEGWERK_ID}.svg)

# Debian wants the changelog and the manual page compressed without a time stamp.
set(GZ_DIR ${CMAKE_BINARY_DIR}/packaging)
add_custom_command(OUTPUT ${GZ_DIR}/changelog.Debian.gz ${GZ_DIR}/belegwerk.1.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${GZ_DIR}
  COMMAND gzip -9n -c ${PKG}/changelog > ${GZ_DIR}/changelog.Debian.gz
  COMMAND gzip -9n -c ${PKG}/belegwerk.1 > ${GZ_DIR}/belegwerk.1.gz
  DEPENDS ${PKG}/changelog ${PKG}/belegwerk.1 VERBATIM)
add_custom_target(belegwerk_packaging_docs ALL DEPENDS ${GZ_DIR}/changelog.Debian.gz ${GZ_DIR}/belegwerk.1.gz)
install(FILES ${GZ_DIR}/changelog.Debian.gz ${PKG}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/belegwerk)
install(FILES ${GZ_DIR}/belegwerk.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PKG}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME belegwerk)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME belegwerk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "invoicing for a small business selling goods and courses")
# The extended description; CPack puts the summary above it as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Belegwerk keeps the customer file, the product catalogue and the journal of
commercial documents (invoices, delivery notes, credit notes, offers), prints
them, saves them as PDF, mails them, computes tax, shows turnover statistics
and exchanges its data as spreadsheets and XML. Its interface is German,
French or English.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Belegwerk developers <belegwerk@belegwerk.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Plugins that dpkg-shlibdeps cannot see: the SQLite driver and the windowing
# system; Qt's own French and German dialog texts are recommended.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libqt6sql6-psql, cups")
include(CPack)
