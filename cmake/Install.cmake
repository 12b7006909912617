# The CMake package: find_package(ZEVSuiteControls) gives ZEV::core,
# ZEV::testkit and (when built) ZEV::qt.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(zev_package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/ZEVSuiteControls)
set(zev_installed zev_core zev_testkit)
set_target_properties(zev_core PROPERTIES EXPORT_NAME core)
set_target_properties(zev_testkit PROPERTIES EXPORT_NAME testkit)
if(TARGET zev_qt)
  list(APPEND zev_installed zev_qt)
  set_target_properties(zev_qt PROPERTIES EXPORT_NAME qt)
endif()

install(TARGETS ${zev_installed} EXPORT ZEVSuiteControlsTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(dir framework numeric codedescription descriptiononly persistcombo daterange testkit qt)
  if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${dir})
    install(DIRECTORY ${dir} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zev FILES_MATCHING PATTERN "*.h")
  endif()
endforeach()
install(EXPORT ZEVSuiteControlsTargets NAMESPACE ZEV:: DESTINATION ${zev_package_dir})

configure_package_config_file(cmake/ZEVSuiteControlsConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/ZEVSuiteControlsConfig.cmake
  INSTALL_DESTINATION ${zev_package_dir})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/ZEVSuiteControlsConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/ZEVSuiteControlsConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/ZEVSuiteControlsConfigVersion.cmake
  DESTINATION ${zev_package_dir})
