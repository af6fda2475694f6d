# Helpers that keep each folder's CMakeLists a short list of files.
include(GoogleTest)

set(CORVANE_CORE_LIBS "" CACHE INTERNAL "")
set(CORVANE_UI_LIBS "" CACHE INTERNAL "")

# corvane_core_library(<name> SOURCES ... [DEPS ...]): a headless library, no Qt.
function(corvane_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  set(CORVANE_CORE_LIBS ${CORVANE_CORE_LIBS} ${name} CACHE INTERNAL "")
endfunction()

# corvane_ui_library(<name> SOURCES ... [DEPS ...]): windows of one subsystem (Qt Widgets).
function(corvane_ui_library name)
  if(NOT CORVANE_WITH_UI)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Widgets ${ARG_DEPS})
  set(CORVANE_UI_LIBS ${CORVANE_UI_LIBS} ${name} CACHE INTERNAL "")
endfunction()

# corvane_gtest(<name> SOURCES ... [DEPS ...]): a GoogleTest executable of the core, run by CTest.
function(corvane_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE corvane_test_support ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES PROPERTIES LABELS core)
endfunction()

# corvane_qtest(<name> SOURCES ... [DEPS ...]): a Qt Test executable of the windows, run offscreen.
function(corvane_qtest name)
  if(NOT CORVANE_WITH_UI)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE corvane_ui_test_support ${ARG_DEPS} Qt6::Test Qt6::Widgets)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS ui
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime")
endfunction()
