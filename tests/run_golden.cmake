# Runs one golden case: copies its files into a fresh working directory, runs
# the checker there with the arguments of the case's "args" file, and compares
# the report byte for byte with "expected-report".
#
# -DPROGRAM=<checker>  -DCASE_DIR=<case>  -DWORK_DIR=<scratch>  [-DEMULATOR=<runner>]
# With GOLDEN_REGENERATE=1 in the environment, the report produced is written
# back as the case's expected-report instead (review the diff before commit).
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(GLOB case_files LIST_DIRECTORIES true ${CASE_DIR}/*)
set(control_files args expected-report expected-stdout report.before report.dir)
foreach(path IN LISTS case_files)
  get_filename_component(name ${path} NAME)
  if(NOT name IN_LIST control_files)
    file(COPY ${path} DESTINATION ${WORK_DIR})
  endif()
endforeach()
if(EXISTS ${CASE_DIR}/report.before)
  file(COPY_FILE ${CASE_DIR}/report.before ${WORK_DIR}/report)
endif()
if(EXISTS ${CASE_DIR}/report.dir)
  # A directory where the report should go: the report cannot be created.
  file(MAKE_DIRECTORY ${WORK_DIR}/report)
endif()

set(arguments "")
if(EXISTS ${CASE_DIR}/args)
  file(STRINGS ${CASE_DIR}/args arguments)
endif()

execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${arguments}
                WORKING_DIRECTORY ${WORK_DIR}
                RESULT_VARIABLE status
                OUTPUT_VARIABLE stdout
                ERROR_VARIABLE stderr)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "exit status ${status}, expected 0\nstderr: ${stderr}")
endif()

if(DEFINED ENV{GOLDEN_REGENERATE} AND "$ENV{GOLDEN_REGENERATE}" STREQUAL "1")
  # A report left as it was before the run is no expectation of its own.
  set(unchanged OFF)
  if(EXISTS ${CASE_DIR}/report.before AND EXISTS ${WORK_DIR}/report)
    file(READ ${WORK_DIR}/report actual HEX)
    file(READ ${CASE_DIR}/report.before before HEX)
    if(actual STREQUAL before)
      set(unchanged ON)
    endif()
  endif()
  if(EXISTS ${WORK_DIR}/report AND NOT IS_DIRECTORY ${WORK_DIR}/report AND NOT unchanged)
    file(COPY_FILE ${WORK_DIR}/report ${CASE_DIR}/expected-report)
    message(STATUS "regenerated ${CASE_DIR}/expected-report")
  endif()
  return()
endif()

if(EXISTS ${CASE_DIR}/expected-report)
  if(NOT EXISTS ${WORK_DIR}/report OR IS_DIRECTORY ${WORK_DIR}/report)
    message(FATAL_ERROR "no report written\nstderr: ${stderr}")
  endif()
  file(READ ${WORK_DIR}/report actual HEX)
  file(READ ${CASE_DIR}/expected-report expected HEX)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "report differs\n  expected (hex): ${expected}\n  actual   (hex): ${actual}")
  endif()
elseif(EXISTS ${CASE_DIR}/report.before)
  # The run must leave an existing report as it was.
  file(READ ${WORK_DIR}/report actual HEX)
  file(READ ${CASE_DIR}/report.before expected HEX)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "the existing report was changed")
  endif()
elseif(EXISTS ${CASE_DIR}/report.dir)
  if(NOT IS_DIRECTORY ${WORK_DIR}/report)
    message(FATAL_ERROR "the directory named report was replaced")
  endif()
  if(stderr STREQUAL "")
    message(FATAL_ERROR "a report that cannot be created must be told on standard error")
  endif()
elseif(EXISTS ${WORK_DIR}/report)
  message(FATAL_ERROR "a report was written where none was expected")
endif()

if(EXISTS ${CASE_DIR}/expected-stdout)
  # Line ends of standard output are the platform's own; compare without CR.
  # "@PROGRAM@" stands for the program's path as it was started. A Windows
  # program under Wine is handed that path in Windows form: Wine's drive Z:
  # for the root and backslashes ("Z:\work\...\perm-judge.exe").
  set(started_as "${PROGRAM}")
  if(EMULATOR AND PROGRAM MATCHES "[.]exe$")
    string(REPLACE "/" "\\" started_as "Z:${PROGRAM}")
  endif()
  file(READ ${CASE_DIR}/expected-stdout expected_stdout)
  string(REPLACE "@PROGRAM@" "${started_as}" expected_stdout "${expected_stdout}")
  string(REPLACE "\r" "" stdout "${stdout}")
  string(REPLACE "\r" "" expected_stdout "${expected_stdout}")
  if(NOT stdout STREQUAL expected_stdout)
    message(FATAL_ERROR "standard output differs\n  expected: ${expected_stdout}\n  actual:   ${stdout}")
  endif()
endif()
