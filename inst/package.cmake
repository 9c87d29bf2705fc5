# The Debian package: plixdesk, plixinst and their data in /opt/plixdesk, a
# menu entry and icon for every user, dependencies worked out from the
# libraries the programs link. `cpack -G DEB` in the build folder makes
# plixdesk_<version>_<arch>.deb; tests/inst/package_test.sh checks it.
set(PLIX_OPT opt/plixdesk)
install(TARGETS plixdesk plixinst RUNTIME DESTINATION ${PLIX_OPT})
install(TARGETS plixdesk-sound LIBRARY DESTINATION ${PLIX_OPT})
install(FILES ${PROJECT_SOURCE_DIR}/data/pxlng.dat ${PROJECT_SOURCE_DIR}/data/Notify.wav
              ${PLIX_SETUP_DIR}/pxini.dat ${PLIX_SETUP_DIR}/plixdesk.png ${PLIX_SETUP_DIR}/plixdesk.libs
              ${PLIX_PACKAGE_SCRIPTS}/plixdesk.shared
        DESTINATION ${PLIX_OPT})
install(FILES ${PROJECT_SOURCE_DIR}/data/pxhlp.dat DESTINATION ${PLIX_OPT})
install(FILES ${PLIX_PACKAGE_SCRIPTS}/plixdesk.desktop DESTINATION usr/share/applications)
install(FILES ${PLIX_SETUP_DIR}/plixdesk.png DESTINATION usr/share/icons/hicolor/48x48/apps)
install(FILES ${PROJECT_BINARY_DIR}/plixdesk-256.png DESTINATION usr/share/icons/hicolor/256x256/apps
        RENAME plixdesk.png)
install(FILES ${PLIX_PACKAGE_SCRIPTS}/copyright DESTINATION usr/share/doc/plixdesk)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION usr/share/doc/plixdesk)
install(FILES ${PLIX_PACKAGE_SCRIPTS}/lintian-overrides DESTINATION usr/share/lintian/overrides
        RENAME plixdesk)

# Debian wants a changelog in every package, compressed to the byte the same each time.
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz
  COMMAND gzip -9n -c ${PLIX_PACKAGE_SCRIPTS}/changelog > ${PROJECT_BINARY_DIR}/changelog.gz
  DEPENDS ${PLIX_PACKAGE_SCRIPTS}/changelog)
add_custom_target(package-files ALL DEPENDS ${PROJECT_BINARY_DIR}/changelog.gz)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plixdesk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /)
set(CPACK_PACKAGE_CONTACT "PLIX developers <support@plix.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "supplier desktop program of the PLIX marketplace")
set(CPACK_PACKAGE_DESCRIPTION "plixdesk keeps a supplier in touch with the PLIX request-and-quotation
marketplace: it lists the customers' requests, alerts to new ones with a
sound and a notification, and lets the supplier react, send offers and
chat. Each user's settings live in ~/PLIX.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
