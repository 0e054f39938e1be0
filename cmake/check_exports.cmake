# Fails unless LIBRARY exports its interface and nothing more: every exported
# symbol matches the interface's `allowed` pattern and each of its `needed`
# symbols is there. A further export is a symbol a host's own copy, or another
# module, could be bound to; a missing one breaks hosts at link time.
# Run as: cmake -DNM=<nm> -DLIBRARY=<path> -DINTERFACE=<file> -P check_exports.cmake
# where INTERFACE sets `allowed` (a regular expression over demangled names)
# and `needed` (a list of demangled names, or parts of them).
include(${INTERFACE})
execute_process(COMMAND ${NM} -D --defined-only -C ${LIBRARY}
  OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}")
endif()

set(unexpected)
set(exported)
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
  if(line MATCHES "^[0-9a-fA-F]* +[A-Za-z] (.+)$")
    set(name "${CMAKE_MATCH_1}")
    # Markers the linker adds to every shared object.
    if(name MATCHES "^(_init|_fini|_edata|_end|__bss_start)$")
      continue()
    endif()
    list(APPEND exported "${name}")
    if(NOT name MATCHES "${allowed}")
      list(APPEND unexpected "${name}")
    endif()
  endif()
endforeach()

if(NOT exported)
  message(FATAL_ERROR "${LIBRARY} exports nothing")
endif()
if(unexpected)
  list(JOIN unexpected "\n  " text)
  message(FATAL_ERROR "${LIBRARY} exports more than its interface:\n  ${text}")
endif()
foreach(symbol IN LISTS needed)
  string(FIND "${exported}" "${symbol}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${LIBRARY} does not export ${symbol}")
  endif()
endforeach()
list(LENGTH exported count)
message(STATUS "${count} exported symbols, all of the interface")
