# Native build: GoogleTest suites over the platform-neutral code (tests/native mirrors the source
# tree), the source checks, and the fuzz targets.
find_package(GTest REQUIRED)
include(GoogleTest)

# Every platform-neutral library, for the test programs.
add_library(portable_libs INTERFACE)
target_link_libraries(portable_libs INTERFACE
  base_lib input_lib settings_lib bridge_lib kbhook_lib ui_lib skin_lib monitor_lib option_lib)

file(GLOB TEST_SUPPORT_SOURCES CONFIGURE_DEPENDS support/*.cpp)
add_library(test_support STATIC ${TEST_SUPPORT_SOURCES})
target_link_libraries(test_support PUBLIC portable_libs GTest::gtest)

file(GLOB_RECURSE NATIVE_TEST_SOURCES CONFIGURE_DEPENDS native/*.cpp)
add_executable(native_tests ${NATIVE_TEST_SOURCES})
target_link_libraries(native_tests PRIVATE test_support GTest::gtest_main)
gtest_discover_tests(native_tests
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  PROPERTIES ENVIRONMENT "SOURCE_DIR=${PROJECT_SOURCE_DIR}"
  DISCOVERY_TIMEOUT 60)

# The layering of the folders, and the sources' format (once, in the plain native build).
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND AND NOT SANITIZE)
  add_test(NAME source.layering
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/scripts/check_layering.py ${PROJECT_SOURCE_DIR})
endif()
find_program(CLANG_FORMAT NAMES clang-format-14 clang-format)
if(CLANG_FORMAT AND NOT SANITIZE)
  add_test(NAME source.format
    COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/check-format.sh ${CLANG_FORMAT}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
endif()

# libFuzzer targets: each runs a bounded, seeded number of inputs as an ordinary test, so that a
# crash on malformed input fails the suite; longer runs are for a developer by hand.
if(FUZZ)
  set(FUZZ_RUNS 20000 CACHE STRING "Inputs each fuzz target runs under ctest")
  file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS fuzz/*_fuzz.cpp)
  foreach(src ${FUZZ_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE portable_libs)
    # A profile load reads its file once per key, so that target gets fewer inputs.
    set(runs ${FUZZ_RUNS})
    if(name STREQUAL "profile_file_fuzz")
      set(runs 100)
    endif()
    set(work ${CMAKE_BINARY_DIR}/fuzz-work/${name})
    set(seeds ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus/${name})
    add_test(NAME fuzz.${name}
      COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
              sh -c "mkdir -p '${work}' && exec '$<TARGET_FILE:${name}>' -seed=1 -runs=${runs} -max_len=8192 '${work}' '${seeds}'")
  endforeach()
endif()
