# veltrano_test(NAME SOURCES a.cpp ... [LIBS ...] [LABELS ...] [TIMEOUT s]
#               [LOCKS name ...] [SERIAL])
#
# Builds one GoogleTest program and registers it with CTest. Every run goes
# through tests/run_isolated.sh: offscreen Qt, its own D-Bus session, its own
# HOME and XDG folders, so a test never touches the user's settings.
# LOCKS names machine-wide resources (a fixed TCP port) that tests must not
# use at the same time. The shared text block lives in the test's own
# XDG_RUNTIME_DIR, so it needs no lock.
function(veltrano_test name)
  cmake_parse_arguments(T "SERIAL" "TIMEOUT" "SOURCES;LIBS;LABELS;LOCKS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE veltrano_testsupport GTest::gtest ${T_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_dependencies(${name} programmordner)
  add_test(NAME ${name}
    COMMAND ${CMAKE_SOURCE_DIR}/tests/run_isolated.sh $<TARGET_FILE:${name}>)
  set_tests_properties(${name} PROPERTIES
    TIMEOUT ${T_TIMEOUT}
    LABELS "${T_LABELS}"
    ENVIRONMENT "VELTRANO_PROGRAMMORDNER=${VELTRANO_PROGRAMMORDNER};VELTRANO_QUELLEN=${CMAKE_SOURCE_DIR};VELTRANO_ARTEFAKTE=${CMAKE_BINARY_DIR}/artefakte")
  if(T_LOCKS)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${T_LOCKS}")
  endif()
  if(T_SERIAL)
    set_tests_properties(${name} PROPERTIES RUN_SERIAL TRUE)
  endif()
endfunction()
