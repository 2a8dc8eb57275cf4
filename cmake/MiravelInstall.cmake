# Where an installed Miravel lives: the program, its menu entry, its icon and its store entry,
# in the places the desktop looks for them.
include(GNUInstallDirs)

set(MIRAVEL_APP_ID com.zentrabe.Miravel)
# The date of the release that PROJECT_VERSION names; change both together.
set(MIRAVEL_RELEASE_DATE 2026-12-07)

target_compile_definitions(miravel PRIVATE MIRAVEL_APP_ID="${MIRAVEL_APP_ID}")

install(TARGETS miravel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/${MIRAVEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${MIRAVEL_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(${PROJECT_SOURCE_DIR}/data/${MIRAVEL_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/data/${MIRAVEL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/data/${MIRAVEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
