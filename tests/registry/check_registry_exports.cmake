# Fails unless LIBRARY (the shared registry library) exports the host's interface
# and nothing more: the registry and library classes, their type information,
# and lastModuleError. A leaked template instance or platform call is a symbol
# a host's own copy could be bound to.
# Run as: cmake -DNM=<nm> -DLIBRARY=<path> -P check_registry_exports.cmake
execute_process(COMMAND ${NM} -D --defined-only -C ${LIBRARY}
  OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}")
endif()

set(allowed "^(LayoutRegistry::|LayoutLibrary::|(vtable|typeinfo|typeinfo name) for (LayoutRegistry|LayoutLibrary|RefCounted)$|quarn::platform::lastModuleError(\\[abi:cxx11\\])?\\(\\)$)")
set(unexpected)
set(exported)
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
  if(line MATCHES "^[0-9a-fA-F]* +[A-Za-z] (.+)$")
    set(name "${CMAKE_MATCH_1}")
    if(name MATCHES "^(_init|_fini|_edata|_end|__bss_start)$")
      continue()
    endif()
    list(APPEND exported "${name}")
    if(NOT name MATCHES "${allowed}")
      list(APPEND unexpected "${name}")
    endif()
  endif()
endforeach()

if(unexpected)
  list(JOIN unexpected "\n  " text)
  message(FATAL_ERROR "${LIBRARY} exports more than the host's interface:\n  ${text}")
endif()
# What the bundled host and the tool call: hiding any of it breaks them at link time.
foreach(needed "LayoutRegistry::loadLibrary(wchar_t const*)" "LayoutRegistry::findLayout(char const*)"
               "vtable for LayoutLibrary" "quarn::platform::lastModuleError")
  string(FIND "${exported}" "${needed}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${LIBRARY} does not export ${needed}")
  endif()
endforeach()
