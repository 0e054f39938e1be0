# The sources are laid out by clang-format 14; another major version lays some
# code out differently. quarn_find_clang_format(VAR WHAT) sets VAR to a
# clang-format 14 program, or leaves it empty and says that WHAT is left out.
function(quarn_find_clang_format variable what)
  set(${variable} "" PARENT_SCOPE)
  find_program(QUARN_CLANG_FORMAT NAMES clang-format-14 clang-format)
  if(NOT QUARN_CLANG_FORMAT)
    message(STATUS "clang-format not found: ${what} left out")
    return()
  endif()
  execute_process(COMMAND ${QUARN_CLANG_FORMAT} --version OUTPUT_VARIABLE version_text)
  if(NOT version_text MATCHES "version 14\\.")
    string(STRIP "${version_text}" version_text)
    message(STATUS "${version_text} is not clang-format 14: ${what} left out")
    return()
  endif()
  set(${variable} ${QUARN_CLANG_FORMAT} PARENT_SCOPE)
endfunction()
