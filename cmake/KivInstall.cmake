# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

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
    kiv_install_manpage(${KIV_FILESIZE_MAN})
endif()
if(UNIX AND NOT APPLE AND KIV_BUILD_APP)
    kiv_install_manpage(${KIV_CALCULATOR_MAN})
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

# What every Debian package carries in its documentation folder: the
# licence in machine-readable form and the compressed changelog.
set(KIV_PACKAGE_CONTACT "Kiv File Size Calculator developers <kivfilesizecalculator@kiv.github.io>"
    CACHE STRING "Maintainer named in the packages, as Name <address>")
if(UNIX AND NOT APPLE)
    set(KIV_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/kivfilesizecalculator)
    configure_file(${KIV_DATA_DIR}/debian/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
    set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
    add_custom_command(OUTPUT ${changelog}
                       COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" sh
                               ${CMAKE_CURRENT_BINARY_DIR}/changelog ${changelog}
                       DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog VERBATIM)
    add_custom_target(debian_changelog ALL DEPENDS ${changelog})
    install(FILES ${changelog} DESTINATION ${KIV_DOC_DIR})
    install(FILES ${KIV_DATA_DIR}/debian/copyright DESTINATION ${KIV_DOC_DIR})
endif()

set(CPACK_PACKAGE_NAME kivfilesizecalculator)
set(CPACK_PACKAGE_VENDOR "The Kiv File Size Calculator project")
set(CPACK_PACKAGE_CONTACT "${KIV_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for bitrate, card size and recording time")
set(CPACK_PACKAGE_DESCRIPTION
    "The Kiv File Size Calculator relates the bitrate, the card size and the
recording time of a recording on a memory card: type two of them in its
dialog and press Calculate to get the third. A second group converts a
bitrate between Mbit/s and MB/s as you type. One gigabyte is 1024 MB and one
megabyte 8 Mbit.

The package also holds kivfilesize, the same arithmetic on the command line
for scripts and terminals: it can count a card's gigabytes as its label or
the operating system does, print tables over common card sizes and bitrates,
and write JSON.

Both programs can take the bitrate from a catalogue of recording formats
(ProRes, DNxHR and DNxHD at any frame size and rate, camera recording modes)
or measure it from recorded clips: kivfilesize --clip DCIM/ --size 256, or
drop the clips on the dialog.

Both also plan a whole shoot: cameras, days, copies, proxies, cards, drives
and the nightly offload, in the window Plan a Shoot (with CSV and PDF
exports) or with kivfilesize --plan.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KIV_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The dependencies are computed from the libraries the executables link, and
# MediaInfoLib, which measuring clips opens at run time, is named by hand; on
# a Wayland desktop the toolkit needs its Wayland platform plugin, and Qt's
# own texts (Cancel, Undo, Copy) follow the language only with its
# translations.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS libmediainfo0v5)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

include(CPack)
