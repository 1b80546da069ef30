# Warning flags and test registration for every target of the project.
# Including this file sets nothing by itself; the floating-point flags are in
# the top-level CMakeLists.txt.

function(quorvane_set_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Werror=return-type)
endfunction()

# quorvane_add_gtest(<name> SOURCES <files...> [LIBRARIES <libs...>])
# One GoogleTest executable, registered with CTest test by test.
function(quorvane_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  quorvane_set_warnings(${name})
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  target_link_libraries(${name} PRIVATE quorvane_core GTest::gtest GTest::gtest_main ${ARG_LIBRARIES})
  gtest_discover_tests(${name}
    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
    PROPERTIES ENVIRONMENT "QUORVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
    DISCOVERY_TIMEOUT 60
    NO_PRETTY_VALUES)
endfunction()

# quorvane_add_qttest(<name> SOURCES <files...> [LIBRARIES <libs...>])
# One QtTest executable, run on the offscreen platform.
function(quorvane_add_qttest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  quorvane_set_warnings(${name})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBRARIES})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QUORVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

include(GoogleTest)
