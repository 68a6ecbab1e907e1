# make dist: build/win/dist/ holds the installer (<name>-<version>-Setup.exe, made by NSIS's
# makensis) and a portable .zip of the installation folder. Both are made from a fresh
# installation laid out by this build's install rules (cmake/install.cmake).
find_program(MAKENSIS makensis)

# The installer finds a running monitor by the texts the programs themselves use.
function(read_identity header name out)
  file(STRINGS ${header} line REGEX "${name}(\\[\\])? = ")
  # Only plain texts: letters, digits, spaces, '-' and '_' need no quoting in the NSIS script.
  string(REGEX REPLACE ".*= u?\"?([A-Za-z0-9_ -]*)(\"|\\\\?;).*" "\\1" value "${line}")
  if(value STREQUAL "" OR value STREQUAL "${line}")
    message(FATAL_ERROR "${name} not found in ${header}, or not a plain text")
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()
read_identity(${PROJECT_SOURCE_DIR}/bridge/identities.h kMonitorWindowClass MONITOR_WINDOW_CLASS)
read_identity(${PROJECT_SOURCE_DIR}/bridge/identities.h kMonitorTitle MONITOR_TITLE)
read_identity(${PROJECT_SOURCE_DIR}/bridge/identities.h kConfiguratorTitle CONFIGURATOR_TITLE)
read_identity(${PROJECT_SOURCE_DIR}/bridge/messages.h kCmdExitMonitor CMD_EXIT_MONITOR)

set(DIST_STAGE_FOLDER ${DIST_STAGE}/${PRODUCT_NAME})
configure_file(${PROJECT_SOURCE_DIR}/installer/setup.nsi.in ${CMAKE_BINARY_DIR}/installer/setup.nsi
  @ONLY)

if(MAKENSIS)
  add_custom_command(OUTPUT ${SETUP_FILE} ${PORTABLE_ZIP}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${DIST_STAGE}
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${DIST_STAGE_FOLDER}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${DIST_DIR}
    COMMAND ${MAKENSIS} -V2 -NOCD ${CMAKE_BINARY_DIR}/installer/setup.nsi
    COMMAND ${CMAKE_COMMAND} -E rm -f ${PORTABLE_ZIP}
    COMMAND ${CMAKE_COMMAND} -E chdir ${DIST_STAGE}
            ${CMAKE_COMMAND} -E tar cf ${PORTABLE_ZIP} --format=zip ${PRODUCT_NAME}
    DEPENDS Monitor Option KBHook lan default_skin program_icon installer_picture
            ${CMAKE_BINARY_DIR}/installer/setup.nsi ${PROJECT_SOURCE_DIR}/cmake/install.cmake
    COMMENT "Installer and portable archive in ${DIST_DIR}"
    VERBATIM)
  add_custom_target(dist DEPENDS ${SETUP_FILE} ${PORTABLE_ZIP})
else()
  add_custom_target(dist
    COMMAND ${CMAKE_COMMAND} -E echo "makensis not found: install the package nsis (make deps)"
    COMMAND ${CMAKE_COMMAND} -E false)
endif()
