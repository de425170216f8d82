# SPDX-FileCopyrightText: 2026 Orvane Softwares
# SPDX-License-Identifier: MIT

# What the Windows package carries beside QVFreeZodiqa.exe so that it starts from any
# folder with nothing else installed: the Qt DLLs it links, the plugins Qt loads at run
# time from folders beside the executable, the MinGW-w64 run-time DLLs that Qt and the
# program need, and the licences. Included from packaging.cmake for Windows builds.

install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
              $<TARGET_FILE:Qt6::PrintSupport>
        DESTINATION .)
# The Win32 window system, the native look, the picture of the sign (JPEG) and icons.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(FILES $<TARGET_FILE:Qt6::QJpegPlugin> $<TARGET_FILE:Qt6::QICOPlugin>
        DESTINATION imageformats)

# Debian ships libstdc++ with its symbols (23 MB); the package carries it stripped (2 MB).
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "The compiler does not know where ${dll} is")
    endif()
    set(stripped ${CMAKE_CURRENT_BINARY_DIR}/runtime/${dll})
    add_custom_command(OUTPUT ${stripped}
                       COMMAND ${CMAKE_COMMAND} -E make_directory runtime
                       COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${stripped} ${path}
                       DEPENDS ${path} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} VERBATIM)
    list(APPEND QVZ_RUNTIME_DLLS ${stripped})
endforeach()
add_custom_target(qvz-runtime-dlls DEPENDS ${QVZ_RUNTIME_DLLS})
add_dependencies(QVFreeZodiqa qvz-runtime-dlls)
install(FILES ${QVZ_RUNTIME_DLLS} DESTINATION .)

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/third-party.txt DESTINATION . RENAME THIRD-PARTY.txt)
foreach(licence LGPL-3 GPL-3)
    install(FILES /usr/share/common-licenses/${licence} DESTINATION licenses
            RENAME ${licence}.txt)
endforeach()
