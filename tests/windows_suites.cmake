# Windows build: the test programs that ctest runs under Wine (scripts/wine-run.sh).
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's sources, built with mingw-w64")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# One Wine test program: its tests are found by running it (under Wine) before the tests run.
#   DESKTOP  it drives the shared desktop's input or foreground: never beside another such suite
#            (resource lock desktop_input), and each test has 300 s at most; without it the
#            program runs in the second prefix, on a desktop of its own, beside the others;
#   PREFIX   the prefix of its tests' names in ctest.
# Every program marks its start, so that the launcher can tell a program that never started from
# one that ran.
function(add_wine_suite target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "DESKTOP" "PREFIX" "SOURCES;LIBRARIES;DEPENDS")
  add_executable(${target} ${ARG_SOURCES} windows_support/start_mark.cpp)
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES} gtest_main)
  if(ARG_DEPENDS)
    add_dependencies(${target} ${ARG_DEPENDS})
  endif()
  if(ARG_DESKTOP)
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST TEST_PREFIX "${ARG_PREFIX}"
      DISCOVERY_TIMEOUT 120 WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
      PROPERTIES RESOURCE_LOCK desktop_input TIMEOUT 300)
  else()
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST TEST_PREFIX "${ARG_PREFIX}"
      DISCOVERY_TIMEOUT 120 WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
      # One value per property: a list in a property's value does not survive discovery.
      PROPERTIES ENVIRONMENT "SOURCE_DIR=${PROJECT_SOURCE_DIR}"
                 ENVIRONMENT_MODIFICATION "WINE_RUN_DESKTOP=set:second")
  endif()
endfunction()

set(PICTURE_SAVING windows_support/png_writer.cpp windows_support/window_picture.cpp)
set(MONITOR_DRIVING windows_support/monitor_process.cpp windows_support/injection_observer.cpp
  windows_support/process_handles.cpp windows_support/live_settings.cpp support/temp_dir.cpp
  windows_support/followed_program.cpp)

# KBHook under injected input, each test in its own process; and the real input sink, seen by
# low-level hooks.
add_wine_suite(kbhook_tests DESKTOP PREFIX "wine.input."
  SOURCES windows_input/kbhook_test.cpp windows_support/process_handles.cpp
  LIBRARIES user32 DEPENDS KBHook)
add_wine_suite(input_tests DESKTOP PREFIX "wine.input."
  SOURCES windows_input/input_sink_test.cpp LIBRARIES platform_lib)

# Real Win32 functions, windows and libraries that need neither the foreground nor input: they run
# in the second prefix, beside the desktop suites. Skinned windows they build are saved as
# pictures in <build>/screenshots.
file(GLOB WINDOWS_TEST_SOURCES CONFIGURE_DEPENDS windows/*.cpp support/*.cpp)
add_wine_suite(windows_tests PREFIX "wine."
  SOURCES ${WINDOWS_TEST_SOURCES} ${PICTURE_SAVING}
  LIBRARIES option_lib monitor_lib comctl32
  DEPENDS lan lan_with_code KBHook Monitor Option default_skin)
# The same strings in a lan.dll with code, in a folder of its own: loading the language must never
# run it.
add_library(lan_with_code SHARED windows_support/lan_with_code.c ../lang/lan.rc)
set_target_properties(lan_with_code PROPERTIES PREFIX "" OUTPUT_NAME lan
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/lan_with_code
  ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lan_with_code)

# Skinned controls that need the foreground or inject input (menus open in their own modal loop).
# Its resources hold the pictures the controls take from the program that uses them.
file(GLOB SKIN_INPUT_TEST_SOURCES CONFIGURE_DEPENDS windows_skin_input/*.cpp support/*.cpp)
add_wine_suite(skin_input_tests DESKTOP PREFIX "wine.input."
  SOURCES ${SKIN_INPUT_TEST_SOURCES} windows_skin_input/skin_input_resources.rc ${PICTURE_SAVING}
  LIBRARIES skin_lib DEPENDS default_skin)
target_include_directories(skin_input_tests PRIVATE ${OPTION_PICTURES_DIR})
set_source_files_properties(windows_skin_input/skin_input_resources.rc PROPERTIES
  OBJECT_DEPENDS "${OPTION_PICTURES}")

# The configurator as a real process, driven by clicks at its controls; one of them runs it beside
# a real monitor.
file(GLOB OPTION_TEST_SOURCES CONFIGURE_DEPENDS windows_option/*.cpp)
add_wine_suite(option_tests DESKTOP PREFIX "wine.option."
  SOURCES ${OPTION_TEST_SOURCES} ${MONITOR_DRIVING} ${PICTURE_SAVING}
  LIBRARIES option_lib monitor_lib
  DEPENDS Option Monitor KBHook lan default_skin live_settings_probe front_window)

# The monitor as a real process, driven from outside. Its hooks see every injected event, so one
# monitor at a time.
file(GLOB MONITOR_TEST_SOURCES CONFIGURE_DEPENDS windows_monitor/*_test.cpp)
add_wine_suite(monitor_tests DESKTOP PREFIX "wine.monitor."
  SOURCES ${MONITOR_TEST_SOURCES} ${MONITOR_DRIVING}
  LIBRARIES monitor_lib
  DEPENDS Monitor KBHook lan live_settings_probe launch_marker message_spy front_window)
add_executable(live_settings_probe windows_monitor/live_settings_probe.cpp)
add_executable(front_window WIN32 windows_monitor/front_window.cpp)
add_executable(launch_marker windows_monitor/launch_marker.cpp)
# Loaded into the monitor by a message hook, to watch its button events from outside.
add_library(message_spy SHARED windows_monitor/message_spy.cpp)
set_target_properties(message_spy PROPERTIES PREFIX "")
target_link_libraries(message_spy PRIVATE monitor_lib)

# The installer (make dist) as a user runs it: one program whose tests build on one another, in a
# Wine prefix made afresh for each run on a display of its own (scripts/installer-suite.sh), so
# that what it installs and registers never meets the other suites. Its pages' pictures go to
# <build>/screenshots.
configure_file(windows_installer/installer_names.h.in ${GENERATED_DIR}/tests/installer_names.h
  @ONLY)
add_executable(installer_tests windows_installer/installer_test.cpp
  windows_installer/installer_session.cpp windows_installer/installer_pages.cpp
  support/temp_dir.cpp windows_support/start_mark.cpp ${PICTURE_SAVING})
target_include_directories(installer_tests PRIVATE ${GENERATED_DIR}/tests)
target_link_libraries(installer_tests PRIVATE base_lib bridge_lib gtest_main version shell32 ole32)
add_test(NAME wine.installer.lifecycle
  COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/installer-suite.sh $<TARGET_FILE:installer_tests>
          ${SETUP_FILE})
set_tests_properties(wine.installer.lifecycle PROPERTIES TIMEOUT 600)

# Waits for the configurator's window to be painted and saves its picture (scripts/run.sh).
add_executable(configurator_picture windows_support/configurator_picture.cpp ${PICTURE_SAVING})
target_link_options(configurator_picture PRIVATE -municode)
target_link_libraries(configurator_picture PRIVATE bridge_lib gdi32 user32)
