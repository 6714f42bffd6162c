# The run command's build: configures the "run" preset in a fresh folder as a machine without the
# tests' packages would (no GoogleTest, no benchmark library), then lists what building it would
# do: the program, its pictures and icons beside it, and nothing of the tests.
file(REMOVE_RECURSE "${WORK}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --preset run -B "${WORK}" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON
    -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
  WORKING_DIRECTORY "${SOURCE}"
  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the run preset does not configure without the tests' packages:\n${err}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" --build "${WORK}" -- -n -v
  RESULT_VARIABLE rc OUTPUT_VARIABLE steps ERROR_VARIABLE err)
file(REMOVE_RECURSE "${WORK}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the run build does not plan:\n${err}")
endif()

foreach(part IN ITEMS "${SOURCE}/tests/" "${SOURCE}/bench/" gtest gmock)
  string(FIND "${steps}" "${part}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "the run build builds more than the program (${part}):\n${steps}")
  endif()
endforeach()
foreach(output IN ITEMS "-o quorvan" "${WORK}/pictures/KTR8.png"
    "${WORK}/icons/hicolor/256x256/apps/${APP_ID}.png")
  string(FIND "${steps}" "${output}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the run build does not make ${output}:\n${steps}")
  endif()
endforeach()
