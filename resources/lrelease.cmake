# Compiles one language's catalogues and fails on any complaint of lrelease.
# With -silent it prints only warnings and errors (a duplicate message it drops,
# an entry it cannot read), and a catalogue it had to patch up must not reach
# the program.
#   cmake -DLRELEASE=<lrelease> -DOUTPUT=<file.qm> -P lrelease.cmake -- <ts files...>
set(sources)
set(take OFF)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
  if(take)
    list(APPEND sources "${CMAKE_ARGV${i}}")
  elseif(CMAKE_ARGV${i} STREQUAL "--")
    set(take ON)
  endif()
endforeach()
if(NOT sources)
  message(FATAL_ERROR "lrelease.cmake: no catalogue sources given for ${OUTPUT}")
endif()

# Written aside and moved into place only when clean, so that a failed build
# leaves no catalogue behind that the next build would take as up to date.
set(part "${OUTPUT}.part")
execute_process(COMMAND "${LRELEASE}" -silent ${sources} -qm "${part}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT output STREQUAL "")
  # Once more, verbose, to name the context and the source of each complaint.
  execute_process(COMMAND "${LRELEASE}" -verbose ${sources} -qm "${part}"
                  OUTPUT_VARIABLE output ERROR_VARIABLE output)
  file(REMOVE "${part}")
  message(FATAL_ERROR "lrelease complained while compiling ${OUTPUT} (exit ${result}):\n${output}")
endif()
file(RENAME "${part}" "${OUTPUT}")
