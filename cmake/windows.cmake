# Windows build (mingw-w64): settings every folder's Windows targets share.

enable_language(RC)

# Unicode entry points; the runtime is linked statically so that no MinGW DLL has to ship.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)
# Release binaries ship without symbols: they are most of the programs' size.
add_link_options($<$<CONFIG:Release>:-s>)
# GCC 12 reports false -Wrestrict overlaps inside libstdc++'s string insert at -O2 (GCC bug 105329).
add_compile_options(-Wno-restrict)

# Programs, libraries and test programs share one folder, as in the installation.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# Pictures drawn by scripts at build time (skins/CMakeLists.txt): the program icon, the default
# skin beside the programs (bin/skins, so the build folder runs like an installation) and the
# configurator's own pictures, which its resources take in.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(PROGRAM_ICON ${GENERATED_DIR}/program.ico)
set(INSTALLER_PICTURE ${GENERATED_DIR}/installer_side.bmp)
set(SKIN_DIR ${CMAKE_BINARY_DIR}/bin/skins)
set(OPTION_PICTURES_DIR ${GENERATED_DIR}/option)
set(OPTION_PICTURES submenu_arrow.ico event_delay.bmp event_key_up.bmp event_key_down.bmp
  event_mouse_button.bmp)
list(TRANSFORM OPTION_PICTURES PREPEND ${OPTION_PICTURES_DIR}/)

# The product as users see it: the name in the version resources, the installer and the list of
# installed apps. Neutral on purpose; the folder under %LOCALAPPDATA%\Programs carries it too.
set(PRODUCT_NAME "Gaming Mouse")
set(PRODUCT_PUBLISHER "Gaming Mouse project")
set(PRODUCT_ID GamingMouse)  # the uninstall entry's key
set(PRODUCT_RUN_VALUE "GamingMouseMonitor")  # the value under ...\CurrentVersion\Run
# What make dist produces (cmake/dist.cmake); the installer's tests take it from here.
set(DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(DIST_STAGE ${CMAKE_BINARY_DIR}/dist-stage)
set(SETUP_FILE ${DIST_DIR}/${PRODUCT_ID}-${PROJECT_VERSION}-Setup.exe)
set(PORTABLE_ZIP ${DIST_DIR}/${PRODUCT_ID}-${PROJECT_VERSION}-portable.zip)
set(PRODUCT_VERSION_DOTTED ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
configure_file(${CMAKE_CURRENT_LIST_DIR}/product_version.h.in ${GENERATED_DIR}/product_version.h
  @ONLY)
# The programs' manifests (execution level, common controls, DPI awareness), with the version.
configure_file(${PROJECT_SOURCE_DIR}/monitor/monitor.manifest.in ${GENERATED_DIR}/monitor.manifest
  @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/option/option.manifest.in ${GENERATED_DIR}/option.manifest
  @ONLY)
