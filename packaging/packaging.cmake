# SPDX-FileCopyrightText: 2026 Orvane Softwares
# SPDX-License-Identifier: MIT

# Installation, the Debian package and the Windows resource of the program.
# Included from the top-level CMakeLists.txt after the executable is defined.

include(GNUInstallDirs)

set(QVZ_PACKAGE_NAME "qv-zodiqa")
set(QVZ_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
# The desktop entry, the AppStream metadata, the manual page and the Windows resource
# are templates, filled in here from the identity set in the top-level CMakeLists.txt.
set(QVZ_CONFIGURED_DIR ${CMAKE_CURRENT_BINARY_DIR}/packaging)
string(TOUPPER ${QVZ_EXECUTABLE} QVZ_EXECUTABLE_UPPER)
configure_file(${QVZ_PACKAGING_DIR}/qvzodiqa.desktop.in
               ${QVZ_CONFIGURED_DIR}/${QVZ_APP_ID}.desktop @ONLY)
configure_file(${QVZ_PACKAGING_DIR}/metainfo.xml.in
               ${QVZ_CONFIGURED_DIR}/${QVZ_APP_ID}.metainfo.xml @ONLY)
configure_file(${QVZ_PACKAGING_DIR}/manpage.1.in ${QVZ_CONFIGURED_DIR}/${QVZ_EXECUTABLE}.1 @ONLY)
configure_file(${QVZ_PACKAGING_DIR}/windows/qvzodiqa.rc.in ${QVZ_CONFIGURED_DIR}/qvzodiqa.rc @ONLY)

# The executable keeps its file name: it is also the name of the settings file. On
# Windows it stands at the top of its folder, beside the DLLs it loads.
if(WIN32)
    set(QVZ_INSTALL_BINDIR .)
else()
    set(QVZ_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS QVFreeZodiqa RUNTIME DESTINATION ${QVZ_INSTALL_BINDIR})

if(UNIX AND NOT APPLE)
    install(FILES ${QVZ_CONFIGURED_DIR}/${QVZ_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${QVZ_CONFIGURED_DIR}/${QVZ_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    # Every size the art program draws goes into the hicolor theme.
    file(GLOB QVZ_ICON_FILES ${PROJECT_SOURCE_DIR}/resources/icon-*.png)
    foreach(icon ${QVZ_ICON_FILES})
        string(REGEX REPLACE ".*/icon-([0-9]+)\\.png$" "\\1" size ${icon})
        install(FILES ${icon}
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${QVZ_APP_ID}.png)
    endforeach()

    # What Debian policy asks of every package: the licence, the changelog and a
    # manual page, the last two compressed with gzip -9n (no name or time stamp in
    # the header, so two builds give the same bytes).
    find_program(QVZ_GZIP gzip REQUIRED)
    set(QVZ_DOC_BUILD_DIR ${QVZ_CONFIGURED_DIR})
    set(QVZ_GZIPPED)
    foreach(document ${QVZ_PACKAGING_DIR}/changelog ${QVZ_CONFIGURED_DIR}/${QVZ_EXECUTABLE}.1)
        get_filename_component(name ${document} NAME)
        add_custom_command(OUTPUT ${QVZ_DOC_BUILD_DIR}/${name}.gz
                           COMMAND ${QVZ_GZIP} -9nc ${document} > ${name}.gz
                           DEPENDS ${document}
                           WORKING_DIRECTORY ${QVZ_DOC_BUILD_DIR} VERBATIM)
        list(APPEND QVZ_GZIPPED ${QVZ_DOC_BUILD_DIR}/${name}.gz)
    endforeach()
    add_custom_target(qvz-package-docs ALL DEPENDS ${QVZ_GZIPPED})

    set(QVZ_PACKAGE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${QVZ_PACKAGE_NAME})
    install(FILES ${QVZ_PACKAGING_DIR}/copyright ${QVZ_DOC_BUILD_DIR}/changelog.gz
            DESTINATION ${QVZ_PACKAGE_DOC_DIR})
    install(FILES ${QVZ_DOC_BUILD_DIR}/${QVZ_EXECUTABLE}.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

if(WIN32)
    # The program icon Explorer and the taskbar show; the .ico is drawn by
    # scripts/make-art like every other picture.
    enable_language(RC)
    target_sources(QVFreeZodiqa PRIVATE ${QVZ_CONFIGURED_DIR}/qvzodiqa.rc)
    set_property(SOURCE ${QVZ_CONFIGURED_DIR}/qvzodiqa.rc APPEND PROPERTY
                 INCLUDE_DIRECTORIES ${QVZ_PACKAGING_DIR}/windows)
    include(${QVZ_PACKAGING_DIR}/windows/bundle.cmake)
endif()

set(CPACK_PACKAGE_NAME ${QVZ_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "Orvane Softwares")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Zodiac profile of Libra")
# dpkg indents every line by one space, and Debian keeps lines within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "${QVZ_APP_NAME} presents the profile of the zodiac sun sign Libra: key facts,\n"
    "planets, lucky charms, and prose on traits, compatibility, family,\n"
    "professions, health, money, fashion, travel and romance, plus famous\n"
    "people born under the sign.\n"
    "The whole profile can be saved as an RTF report and printed.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_STRIP_FILES ON)

if(WIN32)
    # `make package-windows`: a folder to unpack anywhere and start from, and an
    # installer with a Start menu entry and an uninstaller.
    set(CPACK_GENERATOR ZIP NSIS)
    set(CPACK_SYSTEM_NAME win64)
    set(CPACK_PACKAGE_INSTALL_DIRECTORY "${QVZ_APP_NAME}")
    set(CPACK_PACKAGE_EXECUTABLES ${QVZ_EXECUTABLE} "${QVZ_APP_NAME}")
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_NSIS_PACKAGE_NAME "${QVZ_APP_NAME}")
    set(CPACK_NSIS_DISPLAY_NAME "${QVZ_APP_NAME}")
    set(CPACK_NSIS_INSTALLED_ICON_NAME ${QVZ_EXECUTABLE}.exe)
    set(CPACK_NSIS_MUI_ICON ${QVZ_PACKAGING_DIR}/windows/qvzodiqa.ico)
    set(CPACK_NSIS_MUI_UNIICON ${QVZ_PACKAGING_DIR}/windows/qvzodiqa.ico)
    set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
    # A 64-bit installer, as the program is: no 32-bit layer needed to install it.
    set(CPACK_NSIS_DEFINES "Target amd64-unicode")
else()
    set(CPACK_GENERATOR DEB)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Orvane Softwares <packages@orvanesoftwares.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${QVZ_SITE_HOST}/")
# dpkg-shlibdeps turns the libraries the executable links (Qt, libstdc++) into
# Depends, so apt pulls in the Qt runtime.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
