# The API reference: Doxygen over the installed public headers (the list
# cmake/Install.cmake installs, generated export headers left out) and the
# pages in docs/, as HTML and a Qt Help file for Qt Creator and Qt Assistant.
#
#   cmake --build build --target docs   build/docs/html/index.html, build/docs/ZEVSuiteControls.qch
#   -DZEV_BUILD_DOCS=ON                  builds them with everything (scripts/package)
#   Docs.Complete (ctest)                builds them into build/docs-check: an undocumented
#                                        public member (or enumerator) fails it
#
# Debian: doxygen, qt6-documentation-tools (qhelpgenerator); scripts/setup
# installs both. No graphviz: the class diagrams are Doxygen's own.
option(ZEV_BUILD_DOCS "Build the API reference (HTML and .qch) with the default target" OFF)

find_program(ZEV_DOXYGEN doxygen)
# qhelpgenerator sits beside moc, in Qt's libexec folder.
get_target_property(zev_moc Qt6::moc LOCATION)
get_filename_component(zev_qt_libexec "${zev_moc}" DIRECTORY)
find_program(ZEV_QHELPGENERATOR qhelpgenerator HINTS "${zev_qt_libexec}" /usr/lib/qt6/libexec)

set(zev_docs_sources ${zev_headers})
list(TRANSFORM zev_docs_sources PREPEND ${PROJECT_SOURCE_DIR}/)
file(GLOB zev_docs_pages CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/*.md ${PROJECT_SOURCE_DIR}/docs/*.dox)
file(GLOB zev_docs_images CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/screenshots/*.png)
list(APPEND zev_docs_sources ${zev_docs_pages})
set(ZEV_DOCS_INPUT "")
foreach(f ${zev_docs_sources})
  string(APPEND ZEV_DOCS_INPUT " \\\n    \"${f}\"")
endforeach()
set(ZEV_DOCS_DOXYFILE ${PROJECT_BINARY_DIR}/docs/Doxyfile)
configure_file(docs/Doxyfile.in ${ZEV_DOCS_DOXYFILE} @ONLY)

set(zev_docs_dir ${PROJECT_BINARY_DIR}/docs)
set(zev_docs_run ${CMAKE_COMMAND} -DDOXYGEN=${ZEV_DOXYGEN} -DDOXYFILE=${ZEV_DOCS_DOXYFILE})
set(zev_docs_script -P ${PROJECT_SOURCE_DIR}/cmake/RunDoxygen.cmake)
# The pages present the Qt widgets: the reference needs the Qt layer.
set(zev_docs_can OFF)
if(ZEV_DOXYGEN AND ZEV_QHELPGENERATOR AND TARGET zev_qt)
  set(zev_docs_can ON)
endif()
if(zev_docs_can)
  set(zev_docs_all "")
  if(ZEV_BUILD_DOCS)
    set(zev_docs_all ALL)
  endif()
  add_custom_command(OUTPUT ${zev_docs_dir}/html/index.html ${zev_docs_dir}/ZEVSuiteControls.qch
    COMMAND ${zev_docs_run} -DOUTPUT=${zev_docs_dir} ${zev_docs_script}
    DEPENDS ${zev_docs_sources} ${zev_docs_images} ${ZEV_DOCS_DOXYFILE} ${PROJECT_SOURCE_DIR}/cmake/RunDoxygen.cmake
    COMMENT "API reference: ${zev_docs_dir}/html and ZEVSuiteControls.qch"
    VERBATIM)
  add_custom_target(docs ${zev_docs_all} DEPENDS ${zev_docs_dir}/html/index.html ${zev_docs_dir}/ZEVSuiteControls.qch)
elseif(ZEV_BUILD_DOCS)
  message(FATAL_ERROR "ZEV_BUILD_DOCS needs doxygen, qhelpgenerator (Debian: doxygen qt6-documentation-tools) and ZEV_BUILD_QT")
else()
  add_custom_target(docs COMMAND ${CMAKE_COMMAND} -E echo
    "docs: needs doxygen and qhelpgenerator (Debian: doxygen qt6-documentation-tools; scripts/setup installs them) and ZEV_BUILD_QT"
    COMMAND ${CMAKE_COMMAND} -E false)
endif()

if(ZEV_BUILD_TESTS)
  if(zev_docs_can)
    add_test(NAME Docs.Complete COMMAND ${zev_docs_run} -DOUTPUT=${PROJECT_BINARY_DIR}/docs-check ${zev_docs_script})
  else()
    add_test(NAME Docs.Complete
      COMMAND sh -c "echo 'SKIPPED: needs doxygen, qhelpgenerator (scripts/setup installs them) and the Qt layer'; exit 77")
    set_tests_properties(Docs.Complete PROPERTIES SKIP_RETURN_CODE 77)
  endif()
endif()

# The pictures of the pages (docs/screenshots/numeric.png...), drawn offscreen at 150%
# through the public API: cmake --build build --target doc-screenshots
if(TARGET zev_qt)
  add_executable(zev_doc_screenshots EXCLUDE_FROM_ALL docs/screenshots/control-screenshots.cpp)
  target_link_libraries(zev_doc_screenshots PRIVATE zev_qt)
  zev_own_code(zev_doc_screenshots PRIVATE)
  add_custom_target(doc-screenshots
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1.5 $<TARGET_FILE:zev_doc_screenshots>
            ${PROJECT_SOURCE_DIR}/docs/screenshots
    DEPENDS zev_doc_screenshots VERBATIM)
endif()

# Into the -dev package, when the reference was built (by the docs target or ZEV_BUILD_DOCS).
set(zev_docs_install ${CMAKE_INSTALL_DATAROOTDIR}/doc/libzevsuitecontrols-dev)
install(DIRECTORY ${zev_docs_dir}/html DESTINATION ${zev_docs_install} COMPONENT devel OPTIONAL
        PATTERN index.qhp EXCLUDE)
install(FILES ${zev_docs_dir}/ZEVSuiteControls.qch DESTINATION ${zev_docs_install} COMPONENT devel OPTIONAL)
