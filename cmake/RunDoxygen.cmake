# Builds the API reference into OUTPUT (html/ and ZEVSuiteControls.qch) and
# fails on any Doxygen warning (an undocumented public member among them) and
# on an enumerator without documentation, which Doxygen does not warn about.
# Quiet when all is well; on a failure it prints what Doxygen and qhelpgenerator said.
# -DDOXYGEN=... -DDOXYFILE=... -DOUTPUT=...
cmake_minimum_required(VERSION 3.24)
foreach(v DOXYGEN DOXYFILE OUTPUT)
  if(NOT ${v})
    message(FATAL_ERROR "RunDoxygen.cmake: -D${v}=... is missing (give the -D options before -P)")
  endif()
endforeach()
file(REMOVE_RECURSE ${OUTPUT}/html ${OUTPUT}/xml ${OUTPUT}/ZEVSuiteControls.qch)
# qhelpgenerator wants a runtime folder of the user's own (CI runs without one).
set(runtime ${OUTPUT}/runtime)
file(MAKE_DIRECTORY ${runtime})
file(CHMOD ${runtime} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
get_filename_component(workdir ${DOXYFILE} DIRECTORY)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env ZEV_DOCS_OUTPUT=${OUTPUT} XDG_RUNTIME_DIR=${runtime} ${DOXYGEN} ${DOXYFILE}
  WORKING_DIRECTORY ${workdir}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(rc)
  message(FATAL_ERROR "${out}\ndoxygen failed (${rc}): every public member needs documentation, and a warning fails the build")
endif()

# Enumerators of public and protected enums, each with a description.
file(GLOB xml_files ${OUTPUT}/xml/*.xml)
set(undocumented "")
foreach(f ${xml_files})
  file(READ ${f} rest)
  while(TRUE)
    string(FIND "${rest}" "<memberdef kind=\"enum\"" at)
    if(at EQUAL -1)
      break()
    endif()
    string(SUBSTRING "${rest}" ${at} -1 rest)
    string(FIND "${rest}" "</memberdef>" end)
    string(SUBSTRING "${rest}" 0 ${end} enum)
    string(SUBSTRING "${rest}" ${end} -1 rest)
    if(NOT enum MATCHES "^<memberdef kind=\"enum\"[^>]*prot=\"(public|protected)\"")
      continue()
    endif()
    string(REGEX REPLACE ".*<qualifiedname>([^<]*)</qualifiedname>.*" "\\1" enum_name "${enum}")
    string(REGEX MATCHALL "<enumvalue [^>]*>[ \n]*<name>[^<]*</name>([ \n]*<initializer>[^<]*</initializer>)?[ \n]*<briefdescription>[ \n]*</briefdescription>[ \n]*<detaileddescription>[ \n]*</detaileddescription>" bare "${enum}")
    foreach(value ${bare})
      string(REGEX REPLACE ".*<name>([^<]*)</name>.*" "\\1" value "${value}")
      list(APPEND undocumented "${enum_name}::${value}")
    endforeach()
  endwhile()
endforeach()
list(REMOVE_DUPLICATES undocumented)
if(undocumented)
  list(JOIN undocumented "\n  " undocumented)
  message(FATAL_ERROR "enumerators without documentation:\n  ${undocumented}")
endif()
if(NOT EXISTS ${OUTPUT}/html/index.html OR NOT EXISTS ${OUTPUT}/ZEVSuiteControls.qch)
  message(FATAL_ERROR "no html/index.html or ZEVSuiteControls.qch in ${OUTPUT}\n${out}")
endif()
file(REMOVE_RECURSE ${runtime})
