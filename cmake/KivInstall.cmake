# Installs the calculator where a desktop finds it, and packages it with CPack.
include(GNUInstallDirs)

set(KIV_APP_ID io.github.kiv.FileSizeCalculator)
set(KIV_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

if(KIV_BUILD_APP)
    install(TARGETS kivfilesizecalculator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(KIV_BUILD_CLI)
    install(TARGETS kivfilesize RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# A manual page, compressed at build time without a timestamp, as Debian
# installs them.
function(kiv_install_manpage source)
    get_filename_component(name ${source} NAME)
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${compressed}
                       COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" sh ${source} ${compressed}
                       DEPENDS ${source} VERBATIM)
    add_custom_target(manpage_${name} ALL DEPENDS ${compressed})
    install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

if(UNIX AND NOT APPLE AND KIV_BUILD_CLI)
    kiv_install_manpage(${PROJECT_SOURCE_DIR}/cli/kivfilesize.1)
endif()
if(UNIX AND NOT APPLE AND KIV_BUILD_APP)
    install(FILES ${KIV_DATA_DIR}/${KIV_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${KIV_DATA_DIR}/${KIV_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    # The theme icon is named after the application id, as the desktop entry asks for it.
    foreach(size 16 32 48)
        install(FILES ${KIV_DATA_DIR}/icons/kivfilesizecalculator-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${KIV_APP_ID}.png)
    endforeach()
    install(FILES ${KIV_DATA_DIR}/icons/kivfilesizecalculator.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${KIV_APP_ID}.svg)
endif()

set(KIV_PACKAGE_CONTACT "Kiv File Size Calculator developers"
    CACHE STRING "Maintainer named in the packages")

set(CPACK_PACKAGE_NAME kivfilesizecalculator)
set(CPACK_PACKAGE_VENDOR "Kiv")
set(CPACK_PACKAGE_CONTACT "${KIV_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "A small desktop calculator for recordings on a storage card: given two of the
bitrate, the card size and the recording time it works out the third, and it
converts a bitrate between megabits and megabytes per second.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The dependencies are computed from the libraries the executable links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
