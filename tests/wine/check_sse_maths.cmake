# Checks that the engine's own object code does its floating-point work in SSE2: an
# x87 multiply, add or conversion would round differently and move pixels by one.
#   cmake -DOBJDUMP=<objdump> "-DOBJECTS=<a.obj;b.obj>" -P check_sse_maths.cmake
if(NOT OBJDUMP OR NOT OBJECTS)
  message(FATAL_ERROR "usage: cmake -DOBJDUMP=... -DOBJECTS=... -P check_sse_maths.cmake")
endif()
set(x87 "\t(fi?(add|sub|subr|mul|div|divr)p?|fsqrt|frndint|fistp?|fisttp)[slqt]? ")
foreach(object IN LISTS OBJECTS)
  execute_process(COMMAND "${OBJDUMP}" -d --no-show-raw-insn "${object}" OUTPUT_VARIABLE code
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -d failed on ${object}")
  endif()
  string(REGEX MATCH "[^\n]*${x87}[^\n]*" hit "${code}")
  if(hit)
    get_filename_component(name "${object}" NAME)
    message(FATAL_ERROR "${name} uses x87 arithmetic: ${hit}")
  endif()
endforeach()
list(LENGTH OBJECTS count)
message(STATUS "${count} engine objects: floating-point work in SSE2 only")
