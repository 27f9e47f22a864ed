# kb_add_test(NAME <name> SOURCES ... LIBS ... [ENGINES] [WIDGETS])
#   ENGINES: the test touches SQL and is registered twice, once per engine
#            (KB_TEST_ENGINE=sqlite / postgres), so every SQL path runs on both.
#   WIDGETS: the test shows windows; it runs on the offscreen platform.
function(kb_add_test)
  cmake_parse_arguments(T "ENGINES;WIDGETS" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} kb_testsupport Qt6::Test)
  target_compile_definitions(${T_NAME} PRIVATE KB_SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots")
  set(env "QT_QPA_PLATFORM=offscreen")
  if(T_ENGINES)
    foreach(engine sqlite postgres)
      add_test(NAME ${T_NAME}.${engine} COMMAND ${T_NAME})
      set_tests_properties(${T_NAME}.${engine} PROPERTIES
        ENVIRONMENT "${env};KB_TEST_ENGINE=${engine}"
        LABELS "${engine};${T_LABELS}")
    endforeach()
  else()
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}" LABELS "${T_LABELS}")
  endif()
endfunction()
