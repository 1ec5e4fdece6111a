# Registers a GoogleTest program with CTest one test per suite: each suite's cases share one
# process (the program's start, its libraries loaded, costs more than most cases), and a failing
# case is named in the suite's output. Run by CTest before the tests, from the include file that
# dc_test_suites writes; the list is made again only when the program is newer than it.
# Needs: EXE, LIST (the CTest file to write), LABELS, WORKDIR.
if(NOT EXISTS "${EXE}")
  # Not built in this tree (the ThreadSanitizer build makes only some): a test that says so.
  get_filename_component(name "${EXE}" NAME)
  file(WRITE "${LIST}" "add_test([==[${name}_NOT_BUILT]==] [==[${name}_NOT_BUILT]==])\n")
  return()
endif()
if(EXISTS "${LIST}" AND NOT "${EXE}" IS_NEWER_THAN "${LIST}")
  return()
endif()
execute_process(COMMAND "${EXE}" --gtest_list_tests WORKING_DIRECTORY "${WORKDIR}"
  OUTPUT_VARIABLE listed RESULT_VARIABLE status TIMEOUT 120)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${EXE} --gtest_list_tests failed (${status}):\n${listed}")
endif()

# A suite is a line that does not start with blanks: "Suite." or "Prefix/Suite.  # TypeParam = T".
string(REPLACE ";" "\\;" listed "${listed}")
string(REPLACE "\n" ";" lines "${listed}")
set(out "")
set(count 0)
foreach(line IN LISTS lines)
  if(line MATCHES "^[ \t]" OR NOT line MATCHES "^([^ .#]+)\\.")
    continue()
  endif()
  set(suite "${CMAKE_MATCH_1}")
  if(suite MATCHES "^DISABLED_")
    continue()
  endif()
  string(APPEND out "add_test([==[${suite}]==] [==[${EXE}]==] [==[--gtest_filter=${suite}.*]==])\n"
    "set_tests_properties([==[${suite}]==] PROPERTIES LABELS [==[${LABELS}]==]"
    " WORKING_DIRECTORY [==[${WORKDIR}]==])\n")
  math(EXPR count "${count} + 1")
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "${EXE} lists no test suite")
endif()
file(WRITE "${LIST}" "${out}")
