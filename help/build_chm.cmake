# Compiles the help project in a staging folder, refuses the result when the
# compiler complains or the checker finds a fault, and only then puts the
# help file beside the program.
#
#   cmake -DSOURCE_DIR=... -DSTAGE_DIR=... -DPROJECT_FILE=CalcHelp.hhp
#         -DCHMCMD=chmcmd -DCHECKER=calc_help_check -DOUTPUT=.../CalcHelp.chm
#         -P build_chm.cmake

foreach(var SOURCE_DIR STAGE_DIR PROJECT_FILE CHMCMD CHECKER OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "build_chm.cmake needs -D${var}=...")
  endif()
endforeach()

# chmcmd writes next to the project file, so it works on a copy.
file(REMOVE_RECURSE "${STAGE_DIR}")
file(MAKE_DIRECTORY "${STAGE_DIR}")
file(COPY "${SOURCE_DIR}/" DESTINATION "${STAGE_DIR}"
  PATTERN "CMakeLists.txt" EXCLUDE
  PATTERN "*.cmake" EXCLUDE
  PATTERN "*.cpp" EXCLUDE)

execute_process(
  COMMAND "${CHMCMD}" "${PROJECT_FILE}"
  WORKING_DIRECTORY "${STAGE_DIR}"
  RESULT_VARIABLE status
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)

# chmcmd reports a missing page or image, or a broken anchor, on its output and
# still exits with 0, so its words decide as much as its status.
string(REGEX MATCHALL "[^\n]*(Error|Warning|[Ee]xception|[Cc]an't find|does not exist)[^\n]*"
  complaints "${output}")
if(NOT status EQUAL 0 OR complaints)
  message(FATAL_ERROR "chmcmd failed on ${PROJECT_FILE} (status ${status}):\n${output}")
endif()

get_filename_component(name "${PROJECT_FILE}" NAME_WE)
set(compiled "${STAGE_DIR}/${name}.chm")
if(NOT EXISTS "${compiled}")
  message(FATAL_ERROR "chmcmd wrote no ${compiled}:\n${output}")
endif()

execute_process(
  COMMAND "${CHECKER}" "${compiled}"
  RESULT_VARIABLE status
  OUTPUT_VARIABLE report
  ERROR_VARIABLE report)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "The compiled help file has faults:\n${report}")
endif()
message(STATUS "${report}")

get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${output_dir}")
file(COPY_FILE "${compiled}" "${OUTPUT}")
