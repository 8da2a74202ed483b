# The Debian package: `cpack -G DEB` in a build folder makes tallyhawk_<version>_<arch>.deb from the
# install rules, with the shared libraries' packages found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyhawk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tallyhawk")
set(CPACK_PACKAGE_CONTACT "Tallyhawk developers <tallyhawk@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "logger for amateur-radio HF contests")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tallyhawk logs the contacts of an amateur-radio HF contest from one entry row: it flags duplicates "
    "while the call is typed, shows country, zone, WPX prefix and new multipliers, writes the Cabrillo "
    "log and keeps the score of twenty contests, in English or Russian. tallyhawk is the window, "
    "tallyhawk-cli the same operations from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs (the colour chooser) in Russian.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_STRIP_FILES ON)
include(CPack)
