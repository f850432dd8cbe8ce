# The data generator must write the same bytes on every run.
file(REMOVE_RECURSE ${OUT})
foreach(run a b)
  execute_process(COMMAND ${GEN} ${OUT}/${run} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "gendata failed: ${rc}")
  endif()
endforeach()
execute_process(COMMAND diff -r ${OUT}/a ${OUT}/b RESULT_VARIABLE rc OUTPUT_VARIABLE out)
file(REMOVE_RECURSE ${OUT})
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "two runs of gendata differ:\n${out}")
endif()

