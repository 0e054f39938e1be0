# Which Qt the project builds with, and the one spelling every CMake file uses
# for it: ${QUARN_QT}::Widgets, ${QUARN_QT}::lupdate, … (Qt6 or Qt5). Qt's own
# versionless names (Qt::Widgets) are not used: a host may turn them off, and
# the installed package must name the Qt it was built with.
#
# -DQUARN_QT_MAJOR=6 or 5; by default the Qt of the project this is a
# sub-project of, else Qt 6 when it is installed, else Qt 5.
set(QUARN_QT_MAJOR "" CACHE STRING "Qt to build with: 6 or 5 (empty: Qt 6 when installed, else Qt 5)")
set_property(CACHE QUARN_QT_MAJOR PROPERTY STRINGS "" 6 5)
if(NOT QUARN_QT_MAJOR AND NOT PROJECT_IS_TOP_LEVEL)
  if(TARGET Qt6::Core)
    set(QUARN_QT_MAJOR 6)
  elseif(TARGET Qt5::Core)
    set(QUARN_QT_MAJOR 5)
  endif()
endif()
if(NOT QUARN_QT_MAJOR AND Qt5_DIR AND NOT Qt6_DIR)
  # A build folder made before there was a choice keeps its Qt 5.
  set(QUARN_QT_MAJOR 5 CACHE STRING "Qt to build with: 6 or 5" FORCE)
endif()
if(NOT QUARN_QT_MAJOR)
  find_package(QT NAMES Qt6 Qt5 REQUIRED COMPONENTS Core)
  # Remembered, so that installing the other Qt later does not switch this build.
  set(QUARN_QT_MAJOR ${QT_VERSION_MAJOR} CACHE STRING "Qt to build with: 6 or 5" FORCE)
endif()
if(QUARN_QT_MAJOR EQUAL 6)
  # Debian 12's Qt 6, the oldest this is built and tested with.
  set(QUARN_QT_MINIMUM 6.4)
elseif(QUARN_QT_MAJOR EQUAL 5)
  set(QUARN_QT_MINIMUM 5.15)
else()
  message(FATAL_ERROR "QUARN_QT_MAJOR is ${QUARN_QT_MAJOR}: it must be 6 or 5")
endif()
set(QUARN_QT Qt${QUARN_QT_MAJOR})

find_package(${QUARN_QT} ${QUARN_QT_MINIMUM} REQUIRED COMPONENTS Core Gui Widgets Xml)
find_package(${QUARN_QT}LinguistTools ${QUARN_QT_MINIMUM} REQUIRED)
message(STATUS "Building with Qt ${${QUARN_QT}_VERSION} (QUARN_QT_MAJOR=${QUARN_QT_MAJOR})")

# Qt 6 names its tools' folder in CMake; Qt 5 only through qmake.
if(QUARN_QT_MAJOR EQUAL 6)
  set(QUARN_QT_BINDIR ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
  set(QUARN_QT_PLUGINS_RELATIVE ${QT6_INSTALL_PLUGINS})
else()
  get_target_property(qmake Qt5::qmake IMPORTED_LOCATION)
  foreach(name PREFIX BINS PLUGINS)
    execute_process(COMMAND ${qmake} -query QT_INSTALL_${name}
      OUTPUT_VARIABLE qt_${name} OUTPUT_STRIP_TRAILING_WHITESPACE)
  endforeach()
  set(QUARN_QT_BINDIR ${qt_BINS})
  file(RELATIVE_PATH QUARN_QT_PLUGINS_RELATIVE "${qt_PREFIX}" "${qt_PLUGINS}")
endif()

# The .ts files compiled into .qm files, with the same lrelease either way.
function(quarn_qt_add_translation result)
  if(QUARN_QT_MAJOR EQUAL 6)
    qt6_add_translation(files ${ARGN})
  else()
    qt5_add_translation(files ${ARGN})
  endif()
  set(${result} ${files} PARENT_SCOPE)
endfunction()
