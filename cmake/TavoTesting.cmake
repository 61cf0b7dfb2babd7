# tavo_add_test(name [GUI] SOURCES ... LIBS ...)
# One GoogleTest binary per call, registered with CTest. GUI tests get a
# QApplication (offscreen); the others a QCoreApplication.
function(tavo_add_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_GUI)
    target_link_libraries(${name} PRIVATE tavo_test_main_gui)
  else()
    target_link_libraries(${name} PRIVATE tavo_test_main_core)
  endif()
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock Qt6::Test)
  target_compile_options(${name} PRIVATE -include ${CMAKE_SOURCE_DIR}/tests/qt_printers.h)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TAVO_SUITE_DIR=${TAVO_SUITE_DIR};TAVO_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
    TIMEOUT 600)
endfunction()
