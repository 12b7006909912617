# Installs the build tree into a scratch prefix and builds examples/ against
# it with find_package(ZEVSuiteControls), as a user's project would; the
# Examples.* tests then run the programs.
# -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DCXX=... [-DCXX_FLAGS=...] [-DLINK_FLAGS=...]
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  message(FATAL_ERROR "install failed: ${rc}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -G Ninja
  -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix
  "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${LINK_FLAGS}"
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  message(FATAL_ERROR "configuring the examples failed: ${rc}")
endif()
# Two jobs: the machine is shared with the rest of the suite.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/build --parallel 2 RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "building the examples failed: ${rc}")
endif()
