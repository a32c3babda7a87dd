include(GoogleTest)
# qx_add_test(name LABELS label SOURCES s1 ... LIBS lib1 ...)
# One GoogleTest executable; each test case becomes a CTest test with the labels.
function(qx_add_test name)
  cmake_parse_arguments(ARG "" "" "LABELS;SOURCES;LIBS" ${ARGN})
  # Discovered tests take one label: a list would not survive into their properties.
  list(LENGTH ARG_LABELS label_count)
  if(NOT label_count EQUAL 1)
    message(FATAL_ERROR "qx_add_test(${name}): give exactly one label")
  endif()
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/LsanSuppressions.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} qx_test_support GTest::gtest GTest::gtest_main qx_warnings)
  target_compile_definitions(${name} PRIVATE QX_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data")
  # Listing the cases of a sanitizer build on a loaded machine can take longer
  # than the default five seconds; a listing cut off stops the whole run.
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES LABELS "${ARG_LABELS}" ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
