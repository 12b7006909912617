# What `cmake --install` puts in place, by CPack component:
#   runtime  the shared libraries (libZEVSuiteControlsCore.so.1, libZEVSuiteControls.so.1)
#   devel    the public headers under include/ZEVSuiteControls, the .so links, the test
#            kit archive, the CMake package (find_package(ZEVSuiteControls) gives ZEV::core,
#            ZEV::testkit and, when built, ZEV::qt), the pkg-config files and, when
#            built, the API reference (cmake/Docs.cmake)
#   designer the Qt Designer plugin (designer/CMakeLists.txt)
#   demo     zev-demo (demo/CMakeLists.txt)
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(zev_package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/ZEVSuiteControls)
set(zev_include_dir ${CMAKE_INSTALL_INCLUDEDIR}/ZEVSuiteControls)
set(zev_installed zev_core zev_testkit)
set_target_properties(zev_core PROPERTIES EXPORT_NAME core)
set_target_properties(zev_testkit PROPERTIES EXPORT_NAME testkit)
if(TARGET zev_qt)
  list(APPEND zev_installed zev_qt)
  set_target_properties(zev_qt PROPERTIES EXPORT_NAME qt)
endif()

install(TARGETS ${zev_installed} EXPORT ZEVSuiteControlsTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT devel
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT devel
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)

# The public headers only: the five controls and what their public signatures
# need, the test kit, the five control widgets and their base, and the export
# macros. The adapters, the Qt host, the widget machinery (ZEVControlWidget_p.h),
# the number engine and the class table stay inside the library.
set(ZEV_PUBLIC_CORE_HEADERS
  numeric/ZEVNumeric.h codedescription/ZEVCodeDescription.h descriptiononly/ZEVDescriptionOnly.h
  persistcombo/ZEVPersistCombo.h daterange/ZEVDateRange.h daterange/Clock.h
  framework/ClassDescriptor.h framework/ComboBox.h framework/Control.h framework/ControlError.h
  framework/ControlHost.h framework/DateTimePicker.h framework/Enumerations.h framework/FlatEdit.h
  framework/Font.h framework/Form.h framework/KeyCodes.h framework/Label.h framework/LookupControl.h framework/OleColor.h
  framework/PropertyBag.h framework/PushButton.h framework/SSPanel.h framework/Widget.h
  framework/WidgetDesign.h)
file(GLOB ZEV_PUBLIC_TESTKIT_HEADERS RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/testkit/*.h)
set(ZEV_PUBLIC_QT_HEADERS
  qt/ZEVControlWidget.h qt/ZEVNumericWidget.h qt/ZEVCodeDescriptionWidget.h qt/ZEVDescriptionOnlyWidget.h
  qt/ZEVPersistComboWidget.h qt/ZEVDateRangeWidget.h qt/ZEVDialogs.h)
set(zev_headers ${ZEV_PUBLIC_CORE_HEADERS} ${ZEV_PUBLIC_TESTKIT_HEADERS})
if(TARGET zev_qt)
  list(APPEND zev_headers ${ZEV_PUBLIC_QT_HEADERS})
endif()
foreach(header ${zev_headers})
  get_filename_component(dir ${header} DIRECTORY)
  install(FILES ${header} DESTINATION ${zev_include_dir}/${dir} COMPONENT devel)
endforeach()
install(FILES ${ZEV_GENERATED_DIR}/framework/ZEVCoreExport.h DESTINATION ${zev_include_dir}/framework COMPONENT devel)
if(TARGET zev_qt)
  install(FILES ${ZEV_GENERATED_DIR}/qt/ZEVQtExport.h DESTINATION ${zev_include_dir}/qt COMPONENT devel)
endif()

install(EXPORT ZEVSuiteControlsTargets NAMESPACE ZEV:: DESTINATION ${zev_package_dir} COMPONENT devel)
configure_package_config_file(cmake/ZEVSuiteControlsConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/ZEVSuiteControlsConfig.cmake
  INSTALL_DESTINATION ${zev_package_dir})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/ZEVSuiteControlsConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/ZEVSuiteControlsConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/ZEVSuiteControlsConfigVersion.cmake
  DESTINATION ${zev_package_dir} COMPONENT devel)

# pkg-config: ZEVSuiteControlsCore, ZEVSuiteControlsTestKit and ZEVSuiteControls
# (the widgets). Written at install time, so that `--prefix` and CPack's
# staging give each file the prefix it is installed under.
set(zev_pc_names ZEVSuiteControlsCore ZEVSuiteControlsTestKit)
if(TARGET zev_qt)
  list(APPEND zev_pc_names ZEVSuiteControls)
endif()
set(ZEV_PC_STATIC_CFLAGS "")
set(ZEV_PC_PRIVATE_LIBS "")
if(NOT BUILD_SHARED_LIBS)
  set(ZEV_PC_STATIC_CFLAGS " -DZEV_CORE_STATIC_DEFINE -DZEV_QT_STATIC_DEFINE")
endif()
foreach(pc ${zev_pc_names})
  install(CODE "
    set(PROJECT_VERSION \"${PROJECT_VERSION}\")
    set(ZEV_PC_STATIC_CFLAGS \"${ZEV_PC_STATIC_CFLAGS}\")
    set(ZEV_PC_LIBDIR \"${CMAKE_INSTALL_LIBDIR}\")
    set(ZEV_PC_INCLUDEDIR \"${zev_include_dir}\")
    set(ZEV_PC_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
    configure_file(\"${PROJECT_SOURCE_DIR}/cmake/${pc}.pc.in\" \"${PROJECT_BINARY_DIR}/pkgconfig/${pc}.pc\" @ONLY)
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig\" TYPE FILE
         FILES \"${PROJECT_BINARY_DIR}/pkgconfig/${pc}.pc\")
  " COMPONENT devel)
endforeach()
