# `cpack -G DEB` (or `make package`): a Debian package of what `cmake --install` puts under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tesselin)
set(CPACK_PACKAGE_VENDOR "Tesselin")
set(CPACK_PACKAGE_CONTACT "Tesselin developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Zeigt, wie ein Byte aus acht Bits entsteht")
set(CPACK_PACKAGE_DESCRIPTION
    "Acht Schalter setzen die Bits 7 bis 0, ein Drehregler zählt den Wert von 0 bis 255, und das Fenster zeigt das Byte dezimal, hexadezimal, oktal und als Windows-1252-Zeichen.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The libraries come from dpkg-shlibdeps; the fonts are not linked, but the program substitutes
# Liberation Sans for the layout's MS Sans Serif and Arial, and Roboto Black for Arial Black;
# FreeSans and DejaVu Sans draw the control pictures in the character field.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation2, fonts-roboto-unhinted, fonts-freefont-ttf, fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
include(CPack)
