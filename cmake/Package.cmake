# The Debian package: `cpack -G DEB` in the build folder writes vellumia_<version>_<arch>.deb with
# everything the installation holds, under /usr. Its dependencies on shared libraries come from
# dpkg-shlibdeps; the ones it cannot see are named here: Qt's image plug-ins read WebP and TIFF
# pictures, the fonts stand in for the fonts cards name, Qt's translations give its dialogs their
# Japanese buttons, and xdg-utils opens the home page.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vellumia)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vellumia developers <maintainers@vellumia.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "business card designer printing on card sheets")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Vellumia lays out business cards: text in any installed font, across or\n"
    "vertical, pictures with their transparency, QR codes, lines, boxes and\n"
    "ellipses, on the front and the back of the card. Cards are printed many-up\n"
    "on card sheets with crop marks, merged with a table of names, written as PDF\n"
    "and exported as pictures, from the window or from scripts. The interface is\n"
    "Japanese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vellumia.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libgs-common ships the CMYK colour profile that print-shop PDFs use when none is given.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins, libgs-common")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-liberation2, qt6-translations-l10n, xdg-utils")
# Other programs' sheet templates: the paper setup and --list-sheets offer them beside the card
# stock shipped with the program.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "glabels-data")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
