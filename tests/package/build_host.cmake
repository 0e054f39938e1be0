# Builds and runs tests/package/host the way an outside project would use this
# one. MODE=install: install BUILD_DIR into a fresh prefix, find_package it and
# check that nothing installed points back into the build tree.
# MODE=subdirectory: add the sources with add_subdirectory.
cmake_minimum_required(VERSION 3.21)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}\n${output}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(host_args -S ${SOURCE_DIR}/tests/package/host -B ${WORK_DIR}/host -G ${GENERATOR})
if(LAUNCHER)
  list(APPEND host_args -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
endif()

if(MODE STREQUAL "install")
  set(prefix ${WORK_DIR}/prefix)
  run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
  run(${CMAKE_COMMAND} ${host_args} -DCMAKE_PREFIX_PATH=${prefix})
elseif(MODE STREQUAL "subdirectory")
  run(${CMAKE_COMMAND} ${host_args} -DQUARN_LAYOUT_SOURCE_DIR=${SOURCE_DIR})
else()
  message(FATAL_ERROR "MODE must be install or subdirectory")
endif()

run(${CMAKE_COMMAND} --build ${WORK_DIR}/host)
run(${WORK_DIR}/host/host)
message(STATUS "${output}")

if(MODE STREQUAL "install")
  # Libraries carry their version; the module does not.
  file(GLOB libraries ${prefix}/lib*/libzelControlsWinCE.so.* ${prefix}/lib*/*/libzelControlsWinCE.so.*
                      ${prefix}/lib*/libquarnLayoutRegistry.so.* ${prefix}/lib*/*/libquarnLayoutRegistry.so.*)
  file(GLOB_RECURSE modules ${prefix}/libQuarnLayoutWinCE.so*)
  file(GLOB_RECURSE tools ${prefix}/bin/quarn-layout)
  list(LENGTH libraries library_count)
  if(library_count LESS 4 OR NOT modules OR NOT tools)
    message(FATAL_ERROR "incomplete install: ${libraries} ${modules} ${tools}")
  endif()
  foreach(binary ${libraries} ${modules} ${tools})
    run(${READELF} -d ${binary})
    if(output MATCHES "${BUILD_DIR}")
      message(FATAL_ERROR "${binary} still points into the build tree:\n${output}")
    endif()
    get_filename_component(name ${binary} NAME)
    if(name MATCHES "^lib(zelControlsWinCE|quarnLayoutRegistry)\\.so\\.[0-9]+\\.[0-9]+"
       AND NOT output MATCHES "SONAME\\)[^\n]*\\.so\\.[0-9]+\\]")
      message(FATAL_ERROR "${binary} has no versioned SONAME:\n${output}")
    endif()
  endforeach()
  # The installed tool finds the installed module and its libraries by itself.
  set(ENV{LD_LIBRARY_PATH} "")
  run(${prefix}/bin/quarn-layout list)
  if(NOT output MATCHES "QuarnTitleBar")
    message(FATAL_ERROR "the installed tool lists no forms:\n${output}")
  endif()
endif()
