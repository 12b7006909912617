# Installs the build tree into a scratch prefix, checks what was installed
# (public headers only, each include resolving inside the installed tree;
# the versioned shared libraries; the CMake and pkg-config files), then
# builds and runs the consumer twice against that prefix: as a CMake project
# with find_package, and with the compiler and pkg-config alone; last, checks
# that every function the installed headers declare links (CheckLinks.cmake).
# -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DCXX=... -DMOC=... -DLIBDIR=... [-DEXTRA_FLAGS=...] [-DSHARED=ON]
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  message(FATAL_ERROR "install failed: ${rc}")
endif()

# The headers: public only, and self-contained within the installed tree.
set(include_root ${prefix}/include/ZEVSuiteControls)
file(GLOB_RECURSE headers RELATIVE ${include_root} ${include_root}/*.h)
if(NOT headers)
  message(FATAL_ERROR "no headers under ${include_root}")
endif()
foreach(private qt/ZEVControlWidget_p.h qt/QtAdapter.h qt/QtControlHost.h qt/QtFormPersistence.h
                numeric/NumberEngine.h library/LibraryIdentity.h framework/MemoryPropertyBag.h)
  if(EXISTS ${include_root}/${private})
    message(FATAL_ERROR "an internal header is installed: ${private}")
  endif()
endforeach()
set(has_qt OFF)
foreach(h ${headers})
  file(STRINGS ${include_root}/${h} includes REGEX "^#include \"")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" inc "${line}")
    if(NOT EXISTS ${include_root}/${inc})
      message(FATAL_ERROR "${h} includes ${inc}, which is not installed")
    endif()
  endforeach()
  if(h STREQUAL "qt/ZEVNumericWidget.h")
    set(has_qt ON)
  endif()
endforeach()
list(LENGTH headers nheaders)
message(STATUS "${nheaders} public headers installed under include/ZEVSuiteControls")

set(libdir ${prefix}/${LIBDIR})
if(SHARED)
  foreach(lib libZEVSuiteControlsCore.so.1 libZEVSuiteControlsCore.so)
    if(NOT EXISTS ${libdir}/${lib})
      message(FATAL_ERROR "${libdir}/${lib} is not installed")
    endif()
  endforeach()
  if(has_qt AND NOT EXISTS ${libdir}/libZEVSuiteControls.so.1)
    message(FATAL_ERROR "${libdir}/libZEVSuiteControls.so.1 is not installed")
  endif()
endif()
foreach(f cmake/ZEVSuiteControls/ZEVSuiteControlsConfig.cmake pkgconfig/ZEVSuiteControlsCore.pc
          pkgconfig/ZEVSuiteControlsTestKit.pc)
  if(NOT EXISTS ${libdir}/${f})
    message(FATAL_ERROR "${libdir}/${f} is not installed")
  endif()
endforeach()

# 1. CMake: find_package(ZEVSuiteControls).
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -G Ninja
  -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_PREFIX_PATH=${prefix} "-DCMAKE_CXX_FLAGS=${EXTRA_FLAGS}"
  "-DCMAKE_EXE_LINKER_FLAGS=${EXTRA_FLAGS}" RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "configuring the consumer failed: ${rc}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/build RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "building the consumer failed: ${rc}")
endif()
execute_process(COMMAND ${WORK_DIR}/build/consumer RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "the consumer (find_package) failed: ${rc}")
endif()

# 2. pkg-config and the compiler, as a Makefile would build it.
find_program(PKG_CONFIG NAMES pkg-config pkgconf REQUIRED)
if(DEFINED ENV{PKG_CONFIG_PATH})
  set(ENV{PKG_CONFIG_PATH} "${libdir}/pkgconfig:$ENV{PKG_CONFIG_PATH}")
else()
  set(ENV{PKG_CONFIG_PATH} "${libdir}/pkgconfig")
endif()
set(modules ZEVSuiteControlsTestKit)
set(defines "")
if(has_qt)
  list(APPEND modules ZEVSuiteControls)
  set(defines -DZEV_CONSUMER_HAS_QT)
endif()
execute_process(COMMAND ${PKG_CONFIG} --cflags --libs ${modules}
  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "pkg-config ${modules} failed: ${rc}")
endif()
message(STATUS "pkg-config --cflags --libs ${modules}: ${flags}")
separate_arguments(flags UNIX_COMMAND "${flags}")
separate_arguments(extra UNIX_COMMAND "${EXTRA_FLAGS}")
# The consumer's own QObject class, through moc as a Makefile's rule runs it.
execute_process(COMMAND ${MOC} ${defines} ${SOURCE_DIR}/consumer.cpp -o ${WORK_DIR}/consumer.moc
  RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "moc on the consumer failed: ${rc}")
endif()
execute_process(COMMAND ${CXX} -std=c++17 -fPIC ${extra} ${defines} -I${WORK_DIR} ${SOURCE_DIR}/consumer.cpp
                        -o ${WORK_DIR}/consumer-pkgconfig ${flags} -Wl,-rpath,${libdir}
  RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "building the consumer with pkg-config failed: ${rc}")
endif()
execute_process(COMMAND ${WORK_DIR}/consumer-pkgconfig RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "the consumer (pkg-config) failed: ${rc}")
endif()

# 3. Nothing dangles: every function the installed headers declare links.
include(${CMAKE_CURRENT_LIST_DIR}/CheckLinks.cmake)
