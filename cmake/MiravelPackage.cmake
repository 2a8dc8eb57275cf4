# A Debian package made from the install rules: `cpack -G DEB` in the build folder.
set(CPACK_PACKAGE_NAME miravel)
set(CPACK_PACKAGE_VENDOR Zentrabe)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch file renamer with a Japanese user interface")
set(CPACK_PACKAGE_DESCRIPTION
    "Miravel renames many files of one folder at once: replace a text, add a text or a serial\n\
number, or delete a numbered marker in every selected name, with a live example of each\n\
operation and never replacing an existing file.")
set(CPACK_PACKAGE_CONTACT Zentrabe)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Libraries come from dpkg-shlibdeps; the rest is what a Japanese window on X11 or Wayland needs
# and no library link reveals: Qt's platform plugins, its Japanese texts and a Japanese font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-noto-cjk | fonts-ipafont-gothic | fonts-vlgothic")
include(CPack)
