# Installs the build tree into a fresh prefix and checks what a desktop
# needs: the executable, a desktop entry that desktop-file-validate finds
# no fault in (warnings count), and the icon it names in the theme.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DVALIDATOR=... -P DesktopInstall.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(entry "${PREFIX}/share/applications/tonbrook.desktop")
foreach(path "${PREFIX}/bin/tonbrook" "${entry}" "${PREFIX}/share/icons/hicolor/64x64/apps/tonbrook.png"
        "${PREFIX}/share/icons/hicolor/128x128/apps/tonbrook.png"
        "${PREFIX}/share/icons/hicolor/256x256/apps/tonbrook.png")
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

execute_process(COMMAND "${VALIDATOR}" "${entry}" RESULT_VARIABLE result OUTPUT_VARIABLE output
                ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR output MATCHES "(error|warning):")
    message(FATAL_ERROR "desktop-file-validate:\n${output}")
endif()

file(STRINGS "${entry}" exec REGEX "^Exec=")
file(STRINGS "${entry}" icon REGEX "^Icon=")
if(NOT exec STREQUAL "Exec=tonbrook %f" OR NOT icon STREQUAL "Icon=tonbrook")
    message(FATAL_ERROR "the entry starts '${exec}' with '${icon}'")
endif()
