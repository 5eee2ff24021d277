# Shared build settings of our own targets.

# Warnings are errors in the developers' and CI's trees (the Makefile turns ORVANE_WERROR on),
# not in a plain cmake build: a newer compiler's new warning must not break a distribution's
# build of a release.
option(ORVANE_WERROR "Treat compiler warnings as errors" OFF)
# GCC 12 reports -Wrestrict false positives inside std::string concatenation at -O3.
set(ORVANE_WARNINGS -Wall -Wextra -Wpedantic $<$<BOOL:${ORVANE_WERROR}>:-Werror>
                    $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>)

function(orvane_settings target)
  target_compile_options(${target} PRIVATE ${ORVANE_WARNINGS})
  if(ORVANE_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all
                                             -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# A static library of Qt-free code.
function(orvane_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  orvane_settings(${name})
endfunction()

# A GoogleTest program registered with ctest; labels "core".
function(orvane_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  orvane_settings(${name})
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS core)
endfunction()

# A Qt Test program on the offscreen platform; labels "gui".
function(orvane_qttest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
  orvane_settings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS gui ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
