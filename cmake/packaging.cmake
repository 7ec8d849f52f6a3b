# SPDX-License-Identifier: MIT
# `make package`: a Debian package of what `make install` installs, with /usr as its prefix.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME astrolabe-simulator)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Dorlasco's astrolabe simulator developers <astrolabe-simulator@dorlasco.github.io>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching simulator of an ancient astrolabe plate")
set(CPACK_PACKAGE_DESCRIPTION [=[
A small desktop teaching tool that simulates the use of the plate of
Dorlasco's astrolabe, an ancient instrument that ties together the position
of the Sun, the position of the Moon and the phase of the Moon.

Type two of the three quantities and the program computes the third,
together with the formula it used. It reads the solar hour from the position
of the Sun, and draws the solution on a circle: the Sun's line, the Moon's
line and the ring of the 28 days of the Moon's month. A guide for students,
with pictures of the windows, is built in (F1).]=])
# The program and the tests are built with debugging information; the package carries the program stripped.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/dorlasco/astrolabe-simulator)
# The libraries come from dpkg-shlibdeps; the windows' text is drawn with the Liberation fonts, and Qt's SVG
# plugin draws the windows' icon; Qt's own dialogs speak the user's language from qt6-translations-l10n.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, libqt6svg6, qt6-translations-l10n")
include(CPack)
