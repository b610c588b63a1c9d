# The financial engine's accuracy tool and benchmarks.

add_executable(fincheck ${CMAKE_CURRENT_LIST_DIR}/fincheck.cpp)
target_link_libraries(fincheck PRIVATE quorvel_finance quorvel_warnings)

add_executable(finance_bench ${CMAKE_CURRENT_LIST_DIR}/finance_bench.cpp)
target_link_libraries(finance_bench PRIVATE quorvel_finance benchmark::benchmark_main)

# A run of fincheck over a few lines, its answers checked line by line: a
# value to its leading digits, an error to its exact reason.
if(QUORVEL_BUILD_TESTS)
  set(fincheck_dir ${CMAKE_CURRENT_BINARY_DIR}/fincheck_test)
  file(WRITE ${fincheck_dir}/input.txt [==[
pmt PMT 0.01 12 1000 0 0
npv NPV 0.1 -1000,300,400,500
npv0 NPV 0.1 0,-1000,600,600
irr IRR -1000,300,400,500 0.1
irr10 IRR -1000,300,400,500
mirr MIRR -1000,300,400,500 0.1 0.12
eff EFFECT 12 12
tipmt TIPMT 0 3 12 1000 0 0
bal BAL 0.01 3 12 1000 0 1
rate Rate 50 35 -250 0 0 0.1
noroot Rate 10 0 100 100 0 0.1
eff1e9 EFFECT 10 1e9
nom1e9 NOMINAL 10 1e9
double IRR 1,-2,1
triple IRR -1,3,-3,1 0.05
growing BAL 0.01 3 12 1000 -1100 0
# a comment, then a blank line

short PMT 0.01 12
long PMT 0.01 12 1000 0 0 7
junk PMT 0.01 12 1e3x 0 0
due PMT 0.01 12 1000 0 0.5
list NPV 0.1 -1000,,500
unknown FOO 1 2
lonely
]==])
  file(WRITE ${fincheck_dir}/expected.txt [==[
pmt -88\.84878867834[0-9]*
npv -19\.1243767502[0-9]*
npv0 ERR first cash flow is 0
irr 0\.0889633946933[0-9]*
irr10 0\.0889633946933[0-9]*
mirr 0\.0981566924463[0-9]*
eff 12\.6825030131[0-9]*
tipmt ERR no result
bal 753\.544837055[0-9]*
rate 0\.139798289741[0-9]*
noroot ERR no result
eff1e9 10\.51709180701217[0-9]*
nom1e9 9\.531017980886687[0-9]*
double -?(0|[0-9.]+e-(1[3-9]|[2-9][0-9]|[0-9][0-9][0-9]))
triple -?(0|[0-9.]+e-(1[3-9]|[2-9][0-9]|[0-9][0-9][0-9]))
growing 1023\.89197145742[0-9]*
short ERR bad arguments
long ERR bad arguments
junk ERR bad arguments
due ERR bad arguments
list ERR bad arguments
unknown ERR bad arguments
lonely ERR bad arguments
]==])
  file(WRITE ${fincheck_dir}/check.cmake [==[
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${FINCHECK} INPUT_FILE ${DIR}/input.txt
  OUTPUT_VARIABLE output RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "fincheck exited with ${status}")
endif()
string(REGEX REPLACE "\n$" "" output "${output}")
string(REPLACE "\n" ";" lines "${output}")
file(STRINGS ${DIR}/expected.txt patterns)
list(LENGTH lines got)
list(LENGTH patterns want)
if(NOT got EQUAL want)
  message(FATAL_ERROR "fincheck gave ${got} lines, expected ${want}:\n${output}")
endif()
foreach(line pattern IN ZIP_LISTS lines patterns)
  if(NOT line MATCHES "^${pattern}$")
    message(FATAL_ERROR "fincheck line '${line}' does not match '${pattern}'")
  endif()
endforeach()
]==])
  add_test(NAME fincheck_lines
    COMMAND ${CMAKE_COMMAND} -DFINCHECK=$<TARGET_FILE:fincheck> -DDIR=${fincheck_dir}
            -P ${fincheck_dir}/check.cmake)
endif()
