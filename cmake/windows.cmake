# Windows build (mingw-w64): the two programs, the two libraries and the Wine test programs.

enable_language(RC)

# Unicode entry points; the runtime is linked statically so that no MinGW DLL has to ship.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)
# GCC 12 reports false -Wrestrict overlaps inside libstdc++'s string insert at -O2 (GCC bug 105329).
add_compile_options(-Wno-restrict)

# Programs, libraries and test programs share one folder, as in the installation.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

add_library(platform_win32 STATIC ${PLATFORM_WIN32_SOURCES})
target_link_libraries(platform_win32 PUBLIC portable_core advapi32 user32 winmm ole32 oleaut32 uuid)

# lan.dll: a resource-only library holding the language strings.
add_library(lan SHARED lang/lan.rc lang/resource_only.c)
set_target_properties(lan PROPERTIES PREFIX "" OUTPUT_NAME lan LINKER_LANGUAGE C)
target_include_directories(lan PRIVATE ${CMAKE_SOURCE_DIR})
target_link_options(lan PRIVATE -nostdlib -Wl,--entry=ResourceOnlyEntry -Wl,--exclude-all-symbols)

# KBHook.dll: the mouse-hook library with its three lower-case exports. The report decision is
# compiled in directly rather than pulling in the whole portable library.
add_library(KBHook SHARED kbhook/kbhook.cpp kbhook/hook_thread.cpp kbhook/mouse_report.cpp
  kbhook/kbhook.def)
set_target_properties(KBHook PROPERTIES PREFIX "" OUTPUT_NAME KBHook)
target_include_directories(KBHook PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(KBHook PRIVATE user32)

# KBHook under Wine with injected input. The tests move the pointer and inject clicks, so no two
# of them may run at once; each runs in its own process.
include(GoogleTest)
add_executable(kbhook_tests tests/windows_input/kbhook_test.cpp
  tests/windows_support/process_handles.cpp)
target_include_directories(kbhook_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(kbhook_tests PRIVATE gtest_main user32)
add_dependencies(kbhook_tests KBHook)
gtest_discover_tests(kbhook_tests
  DISCOVERY_MODE PRE_TEST
  TEST_PREFIX "wine.input."
  DISCOVERY_TIMEOUT 120
  PROPERTIES RESOURCE_LOCK desktop_input TIMEOUT 300)

# The real input sink under Wine: what it injects, seen by low-level hooks.
add_executable(input_tests tests/windows_input/input_sink_test.cpp)
target_link_libraries(input_tests PRIVATE platform_win32 gtest_main)
gtest_discover_tests(input_tests
  DISCOVERY_MODE PRE_TEST
  TEST_PREFIX "wine.input."
  DISCOVERY_TIMEOUT 120
  PROPERTIES RESOURCE_LOCK desktop_input TIMEOUT 300)

# The program icon is drawn by a script, so that a change of colour or shape is one edit.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
add_custom_command(OUTPUT ${GENERATED_DIR}/program.ico
  COMMAND ${CMAKE_COMMAND} -E make_directory ${GENERATED_DIR}
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/skins/source/make_program_icon.py
          ${GENERATED_DIR}/program.ico
  DEPENDS ${CMAKE_SOURCE_DIR}/skins/source/make_program_icon.py)
add_custom_target(program_icon DEPENDS ${GENERATED_DIR}/program.ico)

# The default skin and the configurator's own pictures, drawn by skins/source/make_skin.py. The
# skin lands beside the programs (bin/skins), so the build folder runs like an installation.
set(SKIN_DIR ${CMAKE_BINARY_DIR}/bin/skins)
set(OPTION_PICTURES_DIR ${GENERATED_DIR}/option)
set(OPTION_PICTURES submenu_arrow.ico event_delay.bmp event_key_up.bmp event_key_down.bmp
  event_mouse_button.bmp)
list(TRANSFORM OPTION_PICTURES PREPEND ${OPTION_PICTURES_DIR}/)
file(GLOB SKIN_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/skins/source/*.py)
add_custom_command(OUTPUT ${SKIN_DIR}/skin_main.ini ${OPTION_PICTURES}
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/skins/source/make_skin.py ${SKIN_DIR}
          --resources ${OPTION_PICTURES_DIR}
  DEPENDS ${SKIN_SCRIPTS})
add_custom_target(default_skin DEPENDS ${SKIN_DIR}/skin_main.ini ${OPTION_PICTURES})

add_library(monitor_win32 STATIC
  monitor/monitor_app.cpp
  monitor/monitor_window.cpp
  monitor/hook_library.cpp
  monitor/keyboard_hook.cpp
  monitor/tray_icon.cpp
  monitor/apply_pointer_settings.cpp
  monitor/macro_worker.cpp
  monitor/win32_monitor_actions.cpp)
target_link_libraries(monitor_win32 PUBLIC platform_win32 ole32 oleaut32 uuid comctl32 shell32)

add_executable(Monitor WIN32 monitor/monitor_main.cpp monitor/monitor.rc)
target_link_options(Monitor PRIVATE -municode)
target_link_libraries(Monitor PRIVATE monitor_win32)
target_include_directories(Monitor PRIVATE ${GENERATED_DIR})
add_dependencies(Monitor program_icon)
set_source_files_properties(monitor/monitor.rc PROPERTIES OBJECT_DEPENDS ${GENERATED_DIR}/program.ico)

add_library(skin_win32 STATIC ${SKIN_WIN32_SOURCES})
target_link_libraries(skin_win32 PUBLIC platform_win32 user32 gdi32 ole32 oleaut32 uuid comctl32
  gdiplus winmm)
# TransparentBlt for the list rows' pictures.
target_link_libraries(skin_win32 PUBLIC msimg32)

# The configurator's windows, apart from its entry point.
add_library(option_win32 STATIC
  option/option_app.cpp
  option/buttons/key_capture_dialog.cpp
  option/buttons/key_capture_hook.cpp
  option/configurator_window.cpp
  option/configurator_profile_commands.cpp
  option/configurator_notices.cpp
  option/apply_targets_win32.cpp
  option/menu_popup.cpp
  option/config_file_dialog.cpp
  option/main_window_texts.cpp
  option/macro_library_store.cpp
  option/macros/macro_manager_dialog.cpp
  option/macros/macro_manager_launch.cpp
  option/macros/macro_manager_warnings.cpp
  option/macros/macro_record_hook.cpp
  option/profile_files_win32.cpp
  option/text_label.cpp
  option/dialogs/click_slider.cpp
  option/dialogs/restore_double_click.cpp
  option/dialogs/confirm_dialog.cpp
  option/dialogs/centre_over_owner.cpp
  option/dialogs/exe_file_chooser.cpp
  option/dialogs/profile_properties_dialog.cpp)
target_link_libraries(option_win32 PUBLIC skin_win32 comdlg32 shell32)

add_executable(Option WIN32 option/option_main.cpp option/option.rc)
target_link_options(Option PRIVATE -municode)
target_link_libraries(Option PRIVATE option_win32)
target_include_directories(Option PRIVATE ${GENERATED_DIR} ${OPTION_PICTURES_DIR})
add_dependencies(Option program_icon default_skin)
set_source_files_properties(option/option.rc PROPERTIES
  OBJECT_DEPENDS "${GENERATED_DIR}/program.ico;${OPTION_PICTURES};${CMAKE_SOURCE_DIR}/option/resource_ids.h")

# --- Wine test programs --------------------------------------------------------------------------
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

file(GLOB WINDOWS_TEST_SOURCES CONFIGURE_DEPENDS tests/windows/*.cpp tests/support/*.cpp)
add_executable(windows_tests ${WINDOWS_TEST_SOURCES})
target_link_libraries(windows_tests PRIVATE skin_win32 gtest_main)
# Skinned windows built by the tests are saved as pictures in <build>/screenshots.
target_sources(windows_tests PRIVATE tests/windows_support/png_writer.cpp
  tests/windows_support/window_picture.cpp)
# The same strings in a lan.dll with code, in a folder of its own: loading the language must never
# run it.
add_library(lan_with_code SHARED tests/windows_support/lan_with_code.c lang/lan.rc)
set_target_properties(lan_with_code PROPERTIES PREFIX "" OUTPUT_NAME lan
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/lan_with_code
  ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lan_with_code)
target_include_directories(lan_with_code PRIVATE ${CMAKE_SOURCE_DIR})
add_dependencies(windows_tests lan lan_with_code KBHook Monitor Option default_skin)
target_link_libraries(windows_tests PRIVATE comctl32)
gtest_discover_tests(windows_tests
  DISCOVERY_MODE PRE_TEST
  TEST_PREFIX "wine."
  DISCOVERY_TIMEOUT 120
  PROPERTIES ENVIRONMENT "SOURCE_DIR=${CMAKE_SOURCE_DIR};WINE_RUN_DESKTOP=second")

# Skinned controls that need the foreground or inject input (menus open in their own modal loop):
# one program for all of them, never run beside the other input suites. Its resources hold the
# pictures the controls take from the program that uses them.
file(GLOB SKIN_INPUT_TEST_SOURCES CONFIGURE_DEPENDS tests/windows_skin_input/*.cpp
  tests/support/*.cpp)
add_executable(skin_input_tests ${SKIN_INPUT_TEST_SOURCES}
  tests/windows_skin_input/skin_input_resources.rc
  tests/windows_support/png_writer.cpp tests/windows_support/window_picture.cpp)
target_include_directories(skin_input_tests PRIVATE ${CMAKE_SOURCE_DIR} ${OPTION_PICTURES_DIR})
target_link_libraries(skin_input_tests PRIVATE skin_win32 gtest_main)
add_dependencies(skin_input_tests default_skin)
set_source_files_properties(tests/windows_skin_input/skin_input_resources.rc PROPERTIES
  OBJECT_DEPENDS "${OPTION_PICTURES}")
gtest_discover_tests(skin_input_tests
  DISCOVERY_MODE PRE_TEST
  TEST_PREFIX "wine.input."
  DISCOVERY_TIMEOUT 120
  PROPERTIES RESOURCE_LOCK desktop_input TIMEOUT 300)

# The configurator as a real process, driven by clicks at its controls; one of them runs it beside
# a real monitor. They move the pointer and open menus, so never beside the other input suites.
file(GLOB OPTION_TEST_SOURCES CONFIGURE_DEPENDS tests/windows_option/*.cpp)
add_executable(option_tests ${OPTION_TEST_SOURCES}
  tests/windows_monitor/monitor_process.cpp
  tests/windows_monitor/injection_observer.cpp
  tests/windows_support/process_handles.cpp
  tests/windows_support/png_writer.cpp
  tests/windows_support/window_picture.cpp
  tests/windows_support/live_settings.cpp
  tests/support/temp_dir.cpp)
target_link_libraries(option_tests PRIVATE option_win32 gtest_main)
add_dependencies(option_tests Option Monitor KBHook lan default_skin live_settings_probe)
gtest_discover_tests(option_tests
  DISCOVERY_MODE PRE_TEST
  TEST_PREFIX "wine.option."
  DISCOVERY_TIMEOUT 120
  PROPERTIES RESOURCE_LOCK desktop_input TIMEOUT 300)

# The monitor as a real process, driven from outside. Its hooks see every injected event, so
# these never run beside the input tests, nor beside each other (one monitor per session).
add_executable(monitor_tests
  tests/windows_monitor/monitor_lifecycle_test.cpp
  tests/windows_monitor/monitor_limits_test.cpp
  tests/windows_monitor/button_event_test.cpp
  tests/windows_monitor/button_action_test.cpp
  tests/windows_monitor/monitor_resilience_test.cpp
  tests/windows_monitor/injection_observer.cpp
  tests/windows_monitor/monitor_process.cpp
  tests/windows_support/process_handles.cpp
  tests/windows_support/live_settings.cpp
  tests/support/temp_dir.cpp)
target_link_libraries(monitor_tests PRIVATE monitor_win32 gtest_main)
add_executable(live_settings_probe tests/windows_monitor/live_settings_probe.cpp)
add_executable(launch_marker tests/windows_monitor/launch_marker.cpp)
# Loaded into the monitor by a message hook, to watch its button events from outside.
add_library(message_spy SHARED tests/windows_monitor/message_spy.cpp)
set_target_properties(message_spy PROPERTIES PREFIX "")
target_include_directories(message_spy PRIVATE ${CMAKE_SOURCE_DIR})
add_dependencies(monitor_tests Monitor KBHook lan live_settings_probe launch_marker message_spy)
gtest_discover_tests(monitor_tests
  DISCOVERY_MODE PRE_TEST
  TEST_PREFIX "wine.monitor."
  DISCOVERY_TIMEOUT 120
  PROPERTIES RESOURCE_LOCK desktop_input TIMEOUT 300)

# Every test program marks its start, so that the launcher can tell a program that never started
# from one that ran (scripts/wine-run.sh).
foreach(program kbhook_tests input_tests windows_tests skin_input_tests option_tests monitor_tests)
  target_sources(${program} PRIVATE tests/windows_support/start_mark.cpp)
endforeach()

# --- Benchmarks: Windows programs that print figures (run by `make bench`, never by the tests) ----
# Each *_bench program is run from the build folder, where the programs it drives are built.
add_library(bench_monitor_support STATIC
  tests/windows_monitor/injection_observer.cpp
  tests/windows_monitor/monitor_process.cpp
  tests/windows_support/process_handles.cpp
  tests/support/temp_dir.cpp)
target_link_libraries(bench_monitor_support PUBLIC monitor_win32)
add_executable(baseline_injector WIN32 bench/baseline_injector.cpp)
target_include_directories(baseline_injector PRIVATE ${CMAKE_SOURCE_DIR})
add_executable(minimal_window WIN32 bench/minimal_window.cpp)
set(WINDOWS_BENCHMARKS press_latency_bench macro_timing_bench configurator_bench)
foreach(bench ${WINDOWS_BENCHMARKS})
  add_executable(${bench} bench/${bench}.cpp)
  target_link_libraries(${bench} PRIVATE bench_monitor_support)
  add_dependencies(${bench} Monitor KBHook lan)
endforeach()
add_dependencies(press_latency_bench baseline_injector)
target_sources(configurator_bench PRIVATE tests/windows_option/option_process.cpp
  tests/windows_support/png_writer.cpp tests/windows_support/window_picture.cpp)
target_link_libraries(configurator_bench PRIVATE option_win32)
add_dependencies(configurator_bench Option minimal_window default_skin)
# The window-shape builder against the per-pixel way; needs no other program.
add_executable(region_from_mask_bench bench/region_from_mask_bench.cpp)
target_link_libraries(region_from_mask_bench PRIVATE skin_win32)

# --- Installation folder: build/win/install -----------------------------------------------------
install(TARGETS Monitor Option RUNTIME DESTINATION .)
install(TARGETS KBHook lan RUNTIME DESTINATION . LIBRARY DESTINATION .)
install(DIRECTORY DESTINATION config)
install(DIRECTORY DESTINATION skins)
install(DIRECTORY ${SKIN_DIR}/ DESTINATION skins)
