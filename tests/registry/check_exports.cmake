# Fails unless MODULE exports exactly RegisterLayout and UnregisterLayout: hosts
# see nothing else, and every further export is a symbol two modules could clash on.
# Run as: cmake -DNM=<nm> -DMODULE=<path> -P check_exports.cmake
execute_process(COMMAND ${NM} -D --defined-only ${MODULE}
  OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${MODULE}")
endif()

set(exported)
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
  if(line MATCHES "^[0-9a-fA-F]* +[A-Za-z] (.+)$")
    set(name ${CMAKE_MATCH_1})
    # Markers the linker adds to every shared object.
    if(NOT name MATCHES "^(_init|_fini|_edata|_end|__bss_start)$")
      list(APPEND exported ${name})
    endif()
  endif()
endforeach()

list(SORT exported)
if(NOT exported STREQUAL "RegisterLayout;UnregisterLayout")
  message(FATAL_ERROR "${MODULE} exports: ${exported}")
endif()
