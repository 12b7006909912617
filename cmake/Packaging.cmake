# Debian packages (CPack DEB), one per install component; scripts/package
# builds them with the prefix /usr:
#   libzevsuitecontrols1                 runtime: libZEVSuiteControlsCore.so.1, libZEVSuiteControls.so.1
#   libzevsuitecontrols-dev              devel: headers, .so links, the test kit, CMake and pkg-config files, zev-migrate,
#                                        the API reference (html/, ZEVSuiteControls.qch) when built (cmake/Docs.cmake)
#   zevsuitecontrols-designer-plugin     designer: the plugin, in Qt's designer plugin folder
#   zevsuitecontrols-demo                demo: zev-demo
# The dependencies are written out (the Qt runtime packages of Debian 12, and
# the fonts the controls load: fonts-wine's Tahoma, see qt/QtDesignFonts.cpp,
# and Liberation Mono); each package carries the project's LICENSE as its
# copyright file.
set(zev_deb_version ${PROJECT_VERSION})
set(zev_qt_min 6.4.0)
set(zev_components runtime devel)
set(zev_debian_packages
  runtime libzevsuitecontrols1
  devel libzevsuitecontrols-dev
  designer zevsuitecontrols-designer-plugin
  demo zevsuitecontrols-demo)
if(TARGET zev_designer)
  list(APPEND zev_components designer)
endif()
if(TARGET zev-demo)
  list(APPEND zev_components demo)
endif()

# The copyright file of each package.
while(zev_debian_packages)
  list(POP_FRONT zev_debian_packages component package)
  if(component IN_LIST zev_components)
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package}
            RENAME copyright COMPONENT ${component})
  endif()
endwhile()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zevsuitecontrols)
set(CPACK_PACKAGE_VENDOR "ZEVSuiteControls")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Data-entry controls for business forms (Qt 6)")
set(CPACK_PACKAGE_CONTACT "ZEVSuiteControls maintainers <maintainers@zevsuitecontrols.invalid>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Install into the staging folder with DESTDIR, so that CMAKE_INSTALL_PREFIX
# stays /usr for the pkg-config files and the plugin's install step.
set(CPACK_SET_DESTDIR ON)
set(CPACK_COMPONENTS_ALL ${zev_components})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zevsuitecontrols.invalid/")
set(zev_std_depends "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1 (>= 3.0)")
set(zev_fonts "fonts-wine, fonts-liberation")

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libzevsuitecontrols1)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS
  "${zev_std_depends}, libqt6core6 (>= ${zev_qt_min}), libqt6gui6 (>= ${zev_qt_min}), libqt6widgets6 (>= ${zev_qt_min}), ${zev_fonts}")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS "qt6-qpa-plugins")
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
  "ZEVSuiteControls: data-entry controls for business forms (shared libraries)\n\
Five Qt 6 controls for business forms: a numeric field that formats and colours its\n\
value, a code-and-description lookup with an F3 search, a description-only lookup,\n\
a lookup that collects records into a list, and a date range with 18 preset periods.\n\
This package holds libZEVSuiteControlsCore (the behaviour, Qt Core only) and\n\
libZEVSuiteControls (the controls as QWidgets).")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)

set(CPACK_DEBIAN_DEVEL_PACKAGE_NAME libzevsuitecontrols-dev)
set(CPACK_DEBIAN_DEVEL_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVEL_PACKAGE_DEPENDS "libzevsuitecontrols1 (= ${zev_deb_version}), qt6-base-dev (>= ${zev_qt_min})")
set(CPACK_DEBIAN_DEVEL_PACKAGE_RECOMMENDS "pkg-config, cmake")
set(CPACK_COMPONENT_DEVEL_DESCRIPTION
  "ZEVSuiteControls: data-entry controls for business forms (development files)\n\
Headers under /usr/include/ZEVSuiteControls, the CMake package (find_package(ZEVSuiteControls):\n\
ZEV::core, ZEV::qt, ZEV::testkit), the pkg-config files ZEVSuiteControlsCore,\n\
ZEVSuiteControls and ZEVSuiteControlsTestKit, the test kit: an in-memory host\n\
and widgets for headless tests of host forms, and zev-migrate, which brings the\n\
legacy host's form files (.frm/.frx) across as Qt Designer forms; the API\n\
reference in HTML and as a Qt Help file for Qt Creator and Qt Assistant.")

set(CPACK_DEBIAN_DESIGNER_PACKAGE_NAME zevsuitecontrols-designer-plugin)
set(CPACK_DEBIAN_DESIGNER_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_DESIGNER_PACKAGE_DEPENDS
  "${zev_std_depends}, libzevsuitecontrols1 (= ${zev_deb_version}), libqt6designer6 (>= ${zev_qt_min}), libqt6widgets6 (>= ${zev_qt_min})")
set(CPACK_DEBIAN_DESIGNER_PACKAGE_RECOMMENDS "designer-qt6")
set(CPACK_COMPONENT_DESIGNER_DESCRIPTION
  "ZEVSuiteControls: data-entry controls for business forms (Qt Designer plugin)\n\
The five controls in Qt Designer's widget box (group ZEV Suite Controls), their\n\
properties with tooltips, a format editor with a live preview on ZEVNumeric and a\n\
preview of the preset periods on ZEVDateRange. QUiLoader finds it as well.")

set(CPACK_DEBIAN_DEMO_PACKAGE_NAME zevsuitecontrols-demo)
set(CPACK_DEBIAN_DEMO_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_DEMO_PACKAGE_DEPENDS
  "${zev_std_depends}, libqt6core6 (>= ${zev_qt_min}), libqt6gui6 (>= ${zev_qt_min}), libqt6widgets6 (>= ${zev_qt_min}), libqt6sql6 (>= ${zev_qt_min}), libqt6sql6-sqlite (>= ${zev_qt_min}), libqt6test6 (>= ${zev_qt_min}), ${zev_fonts}")
set(CPACK_DEBIAN_DEMO_PACKAGE_RECOMMENDS "qt6-qpa-plugins")
set(CPACK_COMPONENT_DEMO_DESCRIPTION
  "ZEVSuiteControls: data-entry controls for business forms (demo)\n\
zev-demo, an order filter form that uses the five controls over an SQLite database;\n\
zev-demo --tour DIR drives it with real input and writes a screenshot per step.")

include(CPack)
