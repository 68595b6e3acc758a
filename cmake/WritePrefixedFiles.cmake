# Run by `cmake --install` and by CPack: writes the menu entry and the manual page, which
# name the installed launcher and data by absolute path.
get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)

# The menu entry's Exec key quotes a path with characters the desktop reserves.
set(launcher "${prefix}/${CMAKE_INSTALL_BINDIR}/vexmor")
if(launcher MATCHES "[^A-Za-z0-9/._+-]")
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" launcher "${launcher}")
    string(REPLACE "\\" "\\\\" launcher "${launcher}")
    set(launcher "\"${launcher}\"")
endif()
set(VEXMOR_EXEC "${launcher}")
configure_file("${VEXMOR_SOURCE_DIR}/cmake/vexmor.desktop.in"
               "${VEXMOR_BINARY_DIR}/${VEXMOR_APP_ID}.desktop" @ONLY)

# In the manual a path is text: its backslashes and hyphens are escaped for roff.
set(VEXMOR_DATA_DIR "${prefix}/${VEXMOR_DATA_INSTALL_DIR}")
string(REPLACE "\\" "\\[rs]" VEXMOR_DATA_DIR "${VEXMOR_DATA_DIR}")
string(REPLACE "-" "\\-" VEXMOR_DATA_DIR "${VEXMOR_DATA_DIR}")
configure_file("${VEXMOR_SOURCE_DIR}/cmake/vexmor.6.in" "${VEXMOR_BINARY_DIR}/vexmor.6" @ONLY)
execute_process(COMMAND gzip -9n -c "${VEXMOR_BINARY_DIR}/vexmor.6"
                OUTPUT_FILE "${VEXMOR_BINARY_DIR}/vexmor.6.gz" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "can't compress the manual page")
endif()
