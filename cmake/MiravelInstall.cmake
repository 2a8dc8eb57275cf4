# Where an installed Miravel lives: the program, its manual page, its menu entry, its icons, its
# store entry and the package's own documents, in the places the desktop and Debian look for them.
include(GNUInstallDirs)

# Lower case: AppStream wants component ids so, and the menu entry and icons are named after it.
set(MIRAVEL_APP_ID com.zentrabe.miravel)
# The date of the release that PROJECT_VERSION names; change both together, and add the
# release to data/debian/changelog and docs/miravel.1.
set(MIRAVEL_RELEASE_DATE 2026-12-07)
# The sizes of the rendered icons in data/icons/ (scripts/render-icons.sh makes them).
set(MIRAVEL_ICON_SIZES 16 22 24 32 48 64 128 256)

target_compile_definitions(miravel PRIVATE MIRAVEL_APP_ID="${MIRAVEL_APP_ID}")

# The window's icon when the desktop's icon theme has none, as for a program run from its build.
set(MIRAVEL_ICON_RESOURCES)
foreach(size ${MIRAVEL_ICON_SIZES})
    list(APPEND MIRAVEL_ICON_RESOURCES ${PROJECT_SOURCE_DIR}/data/icons/${size}.png)
endforeach()
qt_add_resources(miravel miravel_icons PREFIX / BASE ${PROJECT_SOURCE_DIR}/data
                 FILES ${MIRAVEL_ICON_RESOURCES})

install(TARGETS miravel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/${MIRAVEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${MIRAVEL_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${MIRAVEL_ICON_SIZES})
    install(FILES ${PROJECT_SOURCE_DIR}/data/icons/${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${MIRAVEL_APP_ID}.png)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/data/${MIRAVEL_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/data/${MIRAVEL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/data/${MIRAVEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian wants manual pages and changelogs compressed with gzip -9n (no name, no time stamp), so
# that the same sources make the same package.
function(miravel_gzip source output)
    add_custom_command(OUTPUT ${output}
                       COMMAND gzip -9nc ${source} > ${output}
                       DEPENDS ${source} VERBATIM)
endfunction()
set(MIRAVEL_MAN_PAGE ${PROJECT_BINARY_DIR}/docs/miravel.1.gz)
set(MIRAVEL_CHANGELOG ${PROJECT_BINARY_DIR}/docs/changelog.gz)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/docs)
miravel_gzip(${PROJECT_SOURCE_DIR}/docs/miravel.1 ${MIRAVEL_MAN_PAGE})
miravel_gzip(${PROJECT_SOURCE_DIR}/data/debian/changelog ${MIRAVEL_CHANGELOG})
add_custom_target(miravel_docs ALL DEPENDS ${MIRAVEL_MAN_PAGE} ${MIRAVEL_CHANGELOG})
install(FILES ${MIRAVEL_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# A package whose version has no Debian revision is native: its changelog is changelog.gz.
install(FILES ${MIRAVEL_CHANGELOG} ${PROJECT_SOURCE_DIR}/data/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/miravel)
