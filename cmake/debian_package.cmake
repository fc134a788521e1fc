# SPDX-License-Identifier: GPL-3.0-or-later
# cmake --build build --target package makes parvola_<version>_<arch>.deb from what the install rules put in
# place under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME parvola)
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_CONTACT "Parvola developers <parvola@orvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cut a large file into pieces that fit on small media")
# One text, its lines as they show in the package's description.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Parvola cuts one large file into numbered pieces of a chosen size (name.001,\n"
    "name.002, ...) so that it can be carried on USB sticks, memory cards or\n"
    "diskettes, and writes beside them a batch file that joins them again on\n"
    "Windows with copy /b, and a readme for the receiver. A destination on a\n"
    "removable drive is filled disk after disk.\n"
    "\n"
    "The package holds the windowed program parvola, the same split on the\n"
    "command line (parvola-split), and parvola-join, which checks the pieces\n"
    "and joins them on Linux.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.orvane.example/parvola)
# The libraries the programs link come from dpkg-shlibdeps; these are loaded as plugins, which it cannot see:
# the window needs a platform plugin, and its icon is an SVG.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
# Disk labels are written through UDisks2 on the system bus, reached with libsystemd's sd-bus, which is
# opened only when a label is written; without either, the user is told that the label was not set.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "udisks2, libsystemd0")

include(CPack)
