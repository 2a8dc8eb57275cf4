# A Debian package made from the install rules: `cpack -G DEB` in the build folder.
set(CPACK_PACKAGE_NAME miravel)
set(CPACK_PACKAGE_VENDOR Zentrabe)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch file renamer with a Japanese user interface")
# The lines under the summary; Debian shows each as it stands, so none is longer than 80.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Miravel renames many files of one folder at once: replace a text, add a text\n\
or a serial number, or delete a numbered marker in every selected name, with\n\
a live example of each operation. It asks before it renames anything, never\n\
replaces an existing file, and takes back the renames of a session on request.")
set(CPACK_PACKAGE_CONTACT "Zentrabe <miravel@zentrabe.example>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zentrabe.example/miravel/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries come from dpkg-shlibdeps; the rest is what a Japanese window on X11 or Wayland needs
# and no library link reveals: Qt's platform plugins, its Japanese texts and a Japanese font.
# The icons the window loads are PNGs, which Qt reads without a plugin.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-noto-cjk | fonts-ipafont-gothic | fonts-vlgothic")
include(CPack)
