# Fails if LIBRARY exports anything but the controls' API: members, vtables and
# type information of the Zel/zel classes. Painting helpers and the Qt
# templates the library instantiates must stay inside.
# Run as: cmake -DNM=<nm> -DLIBRARY=<path> -P check_exports.cmake
execute_process(COMMAND ${NM} -D --defined-only -C ${LIBRARY}
  OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}")
endif()

set(stray)
set(count 0)
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
  if(line MATCHES "^[0-9a-fA-F]* +[A-Za-z] (.+)$")
    set(name "${CMAKE_MATCH_1}")
    if(name MATCHES "^(_init|_fini|_edata|_end|__bss_start)$")
      continue()
    endif()
    math(EXPR count "${count} + 1")
    if(NOT name MATCHES "^((vtable|typeinfo|typeinfo name|VTT|construction vtable) for )?[Zz]el[A-Za-z0-9_]*(::|$)")
      list(APPEND stray "${name}")
    endif()
  endif()
endforeach()

if(count EQUAL 0)
  message(FATAL_ERROR "${LIBRARY} exports nothing")
endif()
if(stray)
  list(JOIN stray "\n  " stray)
  message(FATAL_ERROR "${LIBRARY} exports more than its controls:\n  ${stray}")
endif()
message(STATUS "${count} exported symbols, all of the controls")
