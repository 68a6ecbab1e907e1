# Native build: GoogleTest suites over the platform-neutral code, and the fuzz targets.

find_package(GTest REQUIRED)
include(GoogleTest)

# Natively the portable INI engine and the host file system stand in for the Win32 functions.
target_sources(portable_core PRIVATE platform/portable_system_profile.cpp platform/host_file_store.cpp)

file(GLOB TEST_SUPPORT_SOURCES CONFIGURE_DEPENDS tests/support/*.cpp)
add_library(test_support STATIC ${TEST_SUPPORT_SOURCES})
target_link_libraries(test_support PUBLIC portable_core GTest::gtest)

file(GLOB NATIVE_TEST_SOURCES CONFIGURE_DEPENDS tests/native/*.cpp)
add_executable(native_tests ${NATIVE_TEST_SOURCES})
target_link_libraries(native_tests PRIVATE test_support GTest::gtest_main)
gtest_discover_tests(native_tests
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  PROPERTIES ENVIRONMENT "SOURCE_DIR=${CMAKE_SOURCE_DIR}"
  DISCOVERY_TIMEOUT 60)

# The default skin: regenerated into a temporary folder and checked against the windows' needs.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  add_test(NAME skins.check COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/skins/source/check_skin.py)
endif()

# libFuzzer targets: each runs a bounded, seeded number of inputs as an ordinary test, so that a
# crash on malformed input fails the suite; longer runs are for a developer by hand.
if(FUZZ)
  set(FUZZ_RUNS 20000 CACHE STRING "Inputs each fuzz target runs under ctest")
  file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS tests/fuzz/*_fuzz.cpp)
  foreach(src ${FUZZ_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE portable_core)
    # A profile load reads its file once per key, so that target gets fewer inputs.
    set(runs ${FUZZ_RUNS})
    if(name STREQUAL "profile_file_fuzz")
      set(runs 100)
    endif()
    set(work ${CMAKE_BINARY_DIR}/fuzz-work/${name})
    set(seeds ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
    add_test(NAME fuzz.${name}
      COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
              sh -c "mkdir -p '${work}' && exec '$<TARGET_FILE:${name}>' -seed=1 -runs=${runs} -max_len=8192 '${work}' '${seeds}'")
  endforeach()
endif()
