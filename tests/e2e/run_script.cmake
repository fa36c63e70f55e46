# Plays one end-to-end script through the driver and compares its output.
# The script's header comments set the run:
#   # args: --edition shop --today 2016/04/29
#   # status: 2
# The expected standard output stands in the .out file beside the script.
file(STRINGS ${SCRIPT} header_lines REGEX "^# (args|status):")
set(args "")
set(expected_status 0)
foreach(line ${header_lines})
  if(line MATCHES "^# args: (.*)$")
    separate_arguments(args UNIX_COMMAND "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^# status: ([0-9]+)")
    set(expected_status ${CMAKE_MATCH_1})
  endif()
endforeach()
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
# Sample files the scripts open stand in data/ beside them and are copied
# into the working folder, so a script names them as data/<file>.
get_filename_component(script_dir ${SCRIPT} DIRECTORY)
if(IS_DIRECTORY ${script_dir}/data)
  file(COPY ${script_dir}/data DESTINATION ${WORKDIR})
endif()
execute_process(COMMAND ${DRIVER} ${args} ${SCRIPT}
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
string(REGEX REPLACE "\\.run$" ".out" expected_file ${SCRIPT})
file(READ ${expected_file} expected)
if(NOT "${status}" STREQUAL "${expected_status}")
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(NOT "${out}" STREQUAL "${expected}")
  file(WRITE ${WORKDIR}/actual.out "${out}")
  message(FATAL_ERROR "output differs from ${expected_file}\n--- got (${WORKDIR}/actual.out):\n${out}\nstderr:\n${err}")
endif()
