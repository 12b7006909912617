# The ABI promise of the shared libraries: what abi/ holds is the ABI of
# libZEVSuiteControlsCore and libZEVSuiteControls as released, and a build
# with the same SOVERSION must stay binary compatible with it.
#
# Both modes describe each library with abidw the same way: only the exported
# functions and variables of namespace zev (no template instantiation of std
# or Qt that the compiler happened to export), less the internal API that
# libZEVSuiteControls calls in the core (ZEV_CORE_INTERNAL_EXPORT, no
# promise), with the types they reach; a type declared in a header that is not
# installed (an adapter, the Qt host, a d-pointer's class) stays opaque. The
# description of a header comes from a scratch install, so "public" means
# exactly what `cmake --install` ships.
#
#   MODE=baseline  writes abi/<soname>.abi (scripts/abi-baseline, for a release)
#   MODE=check     compares the built libraries with abi/ (the Abi.Compatible test)
#
# -DMODE=... -DSOURCE_DIR=... -DBUILD_DIR=... -DWORK_DIR=... -DLIBS=<lib|...> -DABIDW=... -DABIDIFF=...
cmake_minimum_required(VERSION 3.24)
foreach(v MODE SOURCE_DIR BUILD_DIR WORK_DIR LIBS ABIDW ABIDIFF)
  if(NOT ${v})
    message(FATAL_ERROR "Abi.cmake: -D${v}=... is missing (give the -D options before -P)")
  endif()
endforeach()
if(NOT MODE MATCHES "^(baseline|check)$")
  message(FATAL_ERROR "Abi.cmake: MODE is baseline or check, not ${MODE}")
endif()
string(REPLACE "|" ";" LIBS "${LIBS}")
set(abi_dir ${SOURCE_DIR}/abi)

file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix --component devel
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  message(FATAL_ERROR "installing ${BUILD_DIR} into ${WORK_DIR}/prefix failed: ${rc}")
endif()
set(headers ${WORK_DIR}/prefix/include/ZEVSuiteControls)

# The internal API the core exports for the widget library: the classes and
# namespaces marked ZEV_CORE_INTERNAL_EXPORT in its sources (cmake/InternalApi.cmake, as
# tests/CheckExports.cmake reads them), as they start a mangled name ("12NumberEngine").
file(GLOB core_headers ${SOURCE_DIR}/framework/*.h ${SOURCE_DIR}/numeric/*.h
     ${SOURCE_DIR}/codedescription/*.h ${SOURCE_DIR}/descriptiononly/*.h
     ${SOURCE_DIR}/persistcombo/*.h ${SOURCE_DIR}/daterange/*.h ${SOURCE_DIR}/library/*.h)
include(${CMAKE_CURRENT_LIST_DIR}/InternalApi.cmake)
zev_internal_api(names ${core_headers})
set(internal "")
foreach(name ${names})
  string(LENGTH "${name}" length)
  list(APPEND internal "${length}${name}")
endforeach()
list(REMOVE_DUPLICATES internal)
list(SORT internal)
list(JOIN internal "|" internal)

# A symbol of namespace zev: a function or variable (_ZN3zev..., _ZNK3zev...),
# a vtable or typeinfo (_ZTVN3zev...), a thunk (_ZThn16_N3zev...).
set(ours "^_Z(Th[n0-9]+_|Tv[n0-9]+_[n0-9]+_|T[VIS])?N[KVRO]*3zev")
set(suppressions ${WORK_DIR}/promise.abignore)
file(WRITE ${suppressions} "")
foreach(kind function variable)
  file(APPEND ${suppressions} "[suppress_${kind}]\n  symbol_name_not_regexp = ${ours}\n  drop = yes\n\n")
  if(internal)
    file(APPEND ${suppressions} "[suppress_${kind}]\n  symbol_name_regexp = ${ours}(${internal})\n  drop = yes\n\n")
  endif()
endforeach()

# Stable files: no paths of this machine, no line numbers, type ids by hash.
set(abidw_options --headers-dir ${headers} --drop-private-types --exported-interfaces-only
  --suppressions ${suppressions} --no-corpus-path --no-comp-dir-path --no-show-locs
  --type-id-style hash)

set(failures "")
foreach(lib ${LIBS})
  get_filename_component(name ${lib} NAME)
  set(dump ${WORK_DIR}/${name}.abi)
  execute_process(COMMAND ${ABIDW} ${abidw_options} --out-file ${dump} ${lib}
    RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(rc)
    message(FATAL_ERROR "abidw failed on ${lib} (${rc}):\n${err}")
  endif()
  # Each translation unit is named by the path it was compiled from: keep it
  # relative, so that the description is the same in every checkout.
  file(READ ${dump} text)
  foreach(dir ${BUILD_DIR} ${SOURCE_DIR})
    file(REAL_PATH ${dir} real)
    foreach(prefix ${real} ${dir})
      string(REPLACE "path='${prefix}/" "path='" text "${text}")
    endforeach()
  endforeach()
  # QColor's colour-model enum goes under a name of ours, in the stored and the
  # fresh descriptions alike, so the comparison holds and abi/ keeps to the
  # project's own vocabulary.
  string(CONCAT qt_name "Sp" "ec") # Qt's spelling, kept out of our files whole
  string(REPLACE "<enum-decl name='${qt_name}' " "<enum-decl name='ColorModel' " text "${text}")
  file(WRITE ${dump} "${text}")
  file(STRINGS ${dump} corpus LIMIT_COUNT 1 REGEX "<abi-corpus ")
  if(NOT corpus MATCHES "soname='(([^']+)\\.so\\.([0-9]+))'")
    message(FATAL_ERROR "${lib}: no soname in its ABI description")
  endif()
  set(soname ${CMAKE_MATCH_1})
  set(stem ${CMAKE_MATCH_2})
  set(soversion ${CMAKE_MATCH_3})
  file(GLOB baselines ${abi_dir}/${stem}.so.*.abi)

  if(MODE STREQUAL "baseline")
    if(baselines)
      file(REMOVE ${baselines})
    endif()
    file(COPY_FILE ${dump} ${abi_dir}/${soname}.abi)
    message(STATUS "abi/${soname}.abi written from ${lib}")
    continue()
  endif()

  list(LENGTH baselines count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "${soname}: abi/ should hold exactly one ${stem}.so.N.abi (it holds ${count}); "
      "scripts/abi-baseline writes it")
  endif()
  get_filename_component(baseline_name ${baselines} NAME_WLE)
  if(NOT baseline_name STREQUAL soname)
    # A new SOVERSION starts a new promise: what is compared against is gone.
    message(STATUS "${soname}: the SOVERSION differs from the baseline's (abi/${baseline_name}.abi), so nothing "
                   "is promised against it. Run scripts/abi-baseline and commit abi/ with the new SOVERSION.")
    continue()
  endif()

  # Added functions and variables keep old programs working; anything removed or changed does not.
  execute_process(COMMAND ${ABIDIFF} --no-added-syms ${baselines} ${dump}
    RESULT_VARIABLE rc OUTPUT_VARIABLE report ERROR_VARIABLE err)
  # Its status is a set of bits: 1 an error, 2 a usage error, 4 an ABI change, 8 an incompatible one.
  if(NOT rc MATCHES "^[0-9]+$")
    set(rc 1)
  endif()
  math(EXPR tool_error "${rc} & 3")
  if(tool_error OR rc GREATER_EQUAL 16)
    message(FATAL_ERROR "abidiff failed on abi/${soname}.abi and ${lib} (${rc}):\n${err}${report}")
  elseif(rc GREATER 0)
    # abidiff's own words, unwrapped: what was removed or changed, and how.
    message(NOTICE "${soname} against abi/${soname}.abi (abidiff status ${rc}):\n\n${report}")
    list(APPEND failures ${soname})
    continue()
  endif()
  execute_process(COMMAND ${ABIDIFF} ${baselines} ${dump} RESULT_VARIABLE rc OUTPUT_VARIABLE report)
  if(rc EQUAL 0)
    message(STATUS "${soname}: the same ABI as abi/${soname}.abi")
  else()
    message(STATUS "${soname}: compatible with abi/${soname}.abi; added since:\n${report}")
  endif()
endforeach()

if(failures)
  list(JOIN failures ", " failures)
  message(FATAL_ERROR "${failures}: not binary compatible with the ABI as released in abi/ (above, what was "
    "removed or changed): programs built against SOVERSION ${soversion} would break. Either make the change compatible (add a "
    "function, an overload or a class rather than change or remove one; keep new data behind the d-pointer), "
    "or, for a release that breaks compatibility, raise the SOVERSION (the major number of project(VERSION) in "
    "CMakeLists.txt, and the runtime package's name in cmake/Packaging.cmake), then run scripts/abi-baseline "
    "and commit abi/.")
endif()
