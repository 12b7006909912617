# Every function that an installed header declares links: it is defined in an
# installed library (exported from a .so, or global in the test kit's archive)
# or in the header itself. Included by RunConsumer.cmake, with include_root,
# headers, libdir, modules, defines, extra, CXX and WORK_DIR set.
#
# The compiler tells what the headers declare: one translation unit includes
# them all and is compiled with debug information for every class
# (-femit-class-debug-always) and every inline function kept
# (-fkeep-inline-functions); declared.awk takes the member functions from the
# debug information, and those the object itself defines (the inline ones) are
# set aside. Functions at namespace scope have no debug entry unless called,
# so they are read from the headers' text: a declaration at the start of a line.
cmake_policy(VERSION 3.24)
set(tu ${WORK_DIR}/all_headers.cpp)
set(text "// Generated: every installed header.\n")
foreach(h ${headers})
  string(APPEND text "#include \"${h}\"\n")
endforeach()
file(WRITE ${tu} "${text}")
execute_process(COMMAND ${PKG_CONFIG} --cflags ${modules} OUTPUT_VARIABLE cflags OUTPUT_STRIP_TRAILING_WHITESPACE)
separate_arguments(cflags UNIX_COMMAND "${cflags}")
execute_process(COMMAND ${CXX} -std=c++17 -fPIC ${extra} ${defines} ${cflags} -g -femit-class-debug-always
                        -fkeep-inline-functions -c ${tu} -o ${WORK_DIR}/all_headers.o RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "compiling every installed header failed: ${rc}")
endif()

find_program(READELF NAMES readelf REQUIRED)
find_program(NM NAMES nm REQUIRED)
find_program(AWK NAMES awk REQUIRED)
execute_process(COMMAND ${READELF} --debug-dump=info --wide ${WORK_DIR}/all_headers.o
                COMMAND ${AWK} -f ${CMAKE_CURRENT_LIST_DIR}/declared.awk
                OUTPUT_VARIABLE declared RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "reading the debug information failed: ${rc}")
endif()
string(REGEX MATCHALL "[^\n]+" declared "${declared}")
list(REMOVE_DUPLICATES declared)

# What a program that links the package finds, and what the headers define themselves.
function(defined_symbols out)
  set(all "")
  foreach(args ${ARGN})
    string(REPLACE "," ";" args "${args}")
    execute_process(COMMAND ${NM} ${args} OUTPUT_VARIABLE listing RESULT_VARIABLE rc)
    if(rc)
      message(FATAL_ERROR "nm ${args} failed: ${rc}")
    endif()
    string(APPEND all "${listing}")
  endforeach()
  string(REGEX MATCHALL "[0-9a-f]* [TWVuiBDR] [^\n]+" lines "${all}")
  list(TRANSFORM lines REPLACE "^[0-9a-f]* [A-Za-z] " "")
  set(${out} ${lines} PARENT_SCOPE)
endfunction()
file(GLOB libs ${libdir}/libZEVSuiteControls*.so ${libdir}/libZEVSuiteControls*.a)
set(lib_args "")
foreach(lib ${libs})
  if(lib MATCHES "\\.so$")
    list(APPEND lib_args "-D,--defined-only,${lib}")
  else()
    list(APPEND lib_args "--defined-only,${lib}")
  endif()
endforeach()
defined_symbols(exported ${lib_args})
defined_symbols(inline "--defined-only,${WORK_DIR}/all_headers.o")

set(missing "")
set(checked 0)
foreach(sym ${declared})
  if(sym IN_LIST inline)
    continue()
  endif()
  math(EXPR checked "${checked} + 1")
  # A class used only as a base needs only its base-object constructor.
  string(REGEX REPLACE "C1E" "C2E" base_ctor "${sym}")
  if(NOT sym IN_LIST exported AND NOT base_ctor IN_LIST exported)
    string(APPEND missing "  ${sym}\n")
  endif()
endforeach()

# Functions at namespace scope: by name, against the demangled symbols.
defined_symbols(exported_names "-D,--defined-only,-C,${libdir}/libZEVSuiteControlsCore.so")
foreach(lib ${libs})
  if(lib MATCHES "\\.so$")
    defined_symbols(more "-D,--defined-only,-C,${lib}")
  else()
    defined_symbols(more "--defined-only,-C,${lib}")
  endif()
  list(APPEND exported_names ${more})
endforeach()
foreach(h ${headers})
  file(STRINGS ${include_root}/${h} lines)
  set(previous "")
  foreach(line ${lines})
    if(NOT line MATCHES "^(class|struct|enum|namespace|using|typedef|template|static|inline|constexpr|Q_|return)"
       AND NOT previous MATCHES "^template"
       AND line MATCHES "^(ZEV_[A-Z]+_EXPORT )?[A-Za-z_][A-Za-z0-9_:<>, ]*[ *&]+([A-Za-z_][A-Za-z0-9_]*)\\(")
      set(name ${CMAKE_MATCH_2})
      math(EXPR checked "${checked} + 1")
      string(REGEX MATCH "zev::${name}\\(" found "${exported_names}")
      if(NOT found)
        string(APPEND missing "  zev::${name} (${h})\n")
      endif()
    endif()
    if(NOT line STREQUAL "")
      set(previous "${line}")
    endif()
  endforeach()
endforeach()
if(missing)
  message(FATAL_ERROR "declared in an installed header but defined in no installed library:\n${missing}")
endif()
message(STATUS "${checked} functions declared in the installed headers: every one links")
