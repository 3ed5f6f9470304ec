include(GoogleTest)

# solvane_add_test(NAME SOURCES... [LIBS ...])
# Builds one test executable and registers its cases with CTest. Every test runs
# in a zone with daylight saving time so nothing passes only in UTC.
function(solvane_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_SOURCES)
    set(ARG_SOURCES ${ARG_UNPARSED_ARGUMENTS})
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE solvane::options GTest::gtest_main GTest::gmock ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    SOLVANE_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  # Through env rather than the ENVIRONMENT property: gtest_discover_tests
  # splits a list given there into separate properties, so only its first
  # entry would reach the tests.
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR
    "env;TZ=America/New_York;LANG=en_US.UTF-8;LC_ALL=;QT_QPA_PLATFORM=offscreen")
  # Tests never time themselves: a case that hangs is ended here instead.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endfunction()
