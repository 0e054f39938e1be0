# Builds the README's host, its main.cpp and CMakeLists.txt taken from README.md
# as they stand, the way an outside project does, and runs it with check.cpp.
# MODE=install: install BUILD_DIR into a fresh prefix, find_package it and check
# that the install is whole, in its places and free of the build tree.
# MODE=subdirectory: the sources in place of find_package, as the README shows;
# building the host alone must make the module, and make it again once deleted.
cmake_minimum_required(VERSION 3.21)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}\n${output}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

# The indented code block after "<!-- package test: NAME -->" in the README.
file(READ ${SOURCE_DIR}/README.md readme)
function(readme_block name result)
  set(marker "<!-- package test: ${name} -->\n")
  string(FIND "${readme}" "${marker}" start)
  if(start EQUAL -1)
    message(FATAL_ERROR "README.md has no block \"${name}\"")
  endif()
  string(LENGTH "${marker}" length)
  math(EXPR start "${start} + ${length}")
  string(SUBSTRING "${readme}" ${start} -1 rest)
  string(REGEX MATCH "^\n*((    [^\n]*\n|\n)+)" block "${rest}")
  string(REGEX REPLACE "^\n+" "" block "${block}")
  string(REGEX REPLACE "\n+$" "\n" block "${block}")
  string(REGEX REPLACE "(^|\n)    " "\\1" block "${block}")
  set(${result} "${block}" PARENT_SCOPE)
endfunction()

function(run_host picture)
  run(${WORK_DIR}/build/host pseudo ${picture})
  run(${WORK_DIR}/build/package-test/check ${picture})
  message(STATUS "${output}")
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(host_dir ${WORK_DIR}/host)
readme_block(main.cpp main)
readme_block(CMakeLists.txt lists)
file(WRITE ${host_dir}/main.cpp "${main}")
if(MODE STREQUAL "subdirectory")
  # In place of the find_package(QuarnLayout …) line, with the sources where
  # the README's lines look for them.
  readme_block(sub-project sources)
  string(REGEX MATCH "find_package\\(QuarnLayout[^\n]*\n" line "${lists}")
  if(NOT line)
    message(FATAL_ERROR "the README's CMakeLists.txt has no find_package(QuarnLayout …) line")
  endif()
  string(REPLACE "${line}" "${sources}" lists "${lists}")
  file(CREATE_LINK ${SOURCE_DIR} ${host_dir}/quarn-layout SYMBOLIC)
endif()
file(WRITE ${host_dir}/CMakeLists.txt "${lists}"
     "add_subdirectory(${SOURCE_DIR}/tests/package/host package-test)\n")

set(host_args -S ${host_dir} -B ${WORK_DIR}/build -G ${GENERATOR} -DQT_DIR=${QT_DIR})
if(LAUNCHER)
  list(APPEND host_args -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
endif()

if(MODE STREQUAL "install")
  set(prefix ${WORK_DIR}/prefix)
  run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
  run(${CMAKE_COMMAND} ${host_args} -DCMAKE_PREFIX_PATH=${prefix})
  run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
  run_host(${WORK_DIR}/title-bar.png)
  # A host of the other Qt: its find_package(QuarnLayout) turns this copy down
  # and says why.
  if(OTHER_QT_DIR)
    execute_process(COMMAND ${CMAKE_COMMAND} -S ${host_dir} -B ${WORK_DIR}/other-qt -G ${GENERATOR}
                            -DQT_DIR=${OTHER_QT_DIR} -DCMAKE_PREFIX_PATH=${prefix}
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(result EQUAL 0 OR NOT output MATCHES "built with Qt ${QT_MAJOR}, not the Qt [56] of this project")
      message(FATAL_ERROR "a host of the other Qt was not refused this copy with the reason:\n${output}")
    endif()
  endif()
elseif(MODE STREQUAL "subdirectory")
  run(${CMAKE_COMMAND} ${host_args})
  # The host alone: nothing but quarn_layout_host makes the module.
  run(${CMAKE_COMMAND} --build ${WORK_DIR}/build --target host)
  run(${CMAKE_COMMAND} --build ${WORK_DIR}/build --target check)
  run_host(${WORK_DIR}/title-bar.png)
  file(GLOB_RECURSE built ${WORK_DIR}/build/libQuarnLayoutWinCE.so ${WORK_DIR}/build/placeholders.rcc
                          ${WORK_DIR}/build/quarn-layout_pseudo.qm)
  list(LENGTH built count)
  if(NOT count EQUAL 3)
    message(FATAL_ERROR "expected one module, image bundle and pseudo-translation, found: ${built}")
  endif()
  file(REMOVE ${built})
  run(${CMAKE_COMMAND} --build ${WORK_DIR}/build --target host)
  run_host(${WORK_DIR}/title-bar-again.png)
else()
  message(FATAL_ERROR "MODE must be install or subdirectory")
endif()

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

  # Only binaries below lib/: the image bundle and the translations are the
  # same on every machine.
  file(GLOB_RECURSE lib_files LIST_DIRECTORIES false RELATIVE ${prefix} ${prefix}/*)
  list(FILTER lib_files INCLUDE REGEX "^lib[^/]*/")
  list(FILTER lib_files EXCLUDE REGEX "\\.so(\\.[0-9.]+)?$|/cmake/QuarnLayout/[^/]*\\.cmake$")
  if(lib_files)
    message(FATAL_ERROR "data installed below lib/: ${lib_files}")
  endif()
  file(GLOB data ${prefix}/share/quarn-layout/placeholders.rcc ${prefix}/share/quarn-layout/translations/*.qm)
  if(NOT data MATCHES "placeholders\\.rcc" OR NOT data MATCHES "quarn-layout_pseudo\\.qm")
    message(FATAL_ERROR "no image bundle or translations below share/quarn-layout: ${data}")
  endif()

  # The controls' headers are their interface: each is reached from the
  # umbrella header or is the version header. The library's own helpers are
  # not installed, as nothing outside it can link what they declare.
  set(controls ${prefix}/include/quarn-layout/controls)
  set(reached zel_controls.h zel_version.h)
  set(queue ${reached})
  while(queue)
    list(POP_FRONT queue header)
    file(STRINGS ${controls}/${header} includes REGEX "^#include \"controls/")
    foreach(line ${includes})
      string(REGEX REPLACE "^#include \"controls/([^\"]+)\".*" "\\1" included "${line}")
      if(NOT included IN_LIST reached)
        list(APPEND reached ${included})
        list(APPEND queue ${included})
      endif()
    endforeach()
  endwhile()
  file(GLOB installed_headers RELATIVE ${controls} ${controls}/*.h)
  list(REMOVE_ITEM installed_headers ${reached})
  if(installed_headers)
    message(FATAL_ERROR "installed controls headers that are not the library's interface: ${installed_headers}")
  endif()

  # The runtime component alone runs the tool, which finds the module, the image
  # bundle and the translations relative to itself.
  set(runtime ${WORK_DIR}/runtime)
  run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${runtime} --component runtime)
  set(ENV{LD_LIBRARY_PATH} "")
  run(${runtime}/bin/quarn-layout list)
  if(NOT output MATCHES "QuarnTitleBar")
    message(FATAL_ERROR "the installed tool lists no forms:\n${output}")
  endif()
  run(${runtime}/bin/quarn-layout dump QuarnTitleBar)
  set(plain "${output}")
  run(${runtime}/bin/quarn-layout dump --translations quarn-layout_pseudo.qm QuarnTitleBar)
  if(plain MATCHES "no image resources" OR output MATCHES "no image resources" OR plain STREQUAL output)
    message(FATAL_ERROR "the installed tool misses its images or translations:\n${plain}\n${output}")
  endif()
  run(${runtime}/bin/quarn-layout ui QuarnTitleBar)
  if(NOT output MATCHES "<comment>" OR output MATCHES "no translation template")
    message(FATAL_ERROR "the installed tool misses its translation template:\n${output}")
  endif()
endif()
