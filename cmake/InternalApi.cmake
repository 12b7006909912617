# zev_internal_api(<out> <header>...): the classes and namespaces (other than
# zev) that the headers mark ZEV_CORE_INTERNAL_EXPORT, the internal API the
# core exports for the widget library. One rule for the export check and the
# ABI description.
function(zev_internal_api out)
  set(internal "")
  foreach(header ${ARGN})
    file(READ "${header}" text)
    if(NOT text MATCHES "ZEV_CORE_INTERNAL_EXPORT")
      continue()
    endif()
    string(REGEX MATCHALL "class ZEV_CORE_INTERNAL_EXPORT [A-Za-z_][A-Za-z0-9_]*|namespace [A-Za-z_][A-Za-z0-9_]* {" decls "${text}")
    foreach(d ${decls})
      string(REGEX REPLACE "^(class ZEV_CORE_INTERNAL_EXPORT|namespace) ([A-Za-z_][A-Za-z0-9_]*).*" "\\2" name "${d}")
      if(NOT name STREQUAL "zev")
        list(APPEND internal ${name})
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES internal)
  set(${out} "${internal}" PARENT_SCOPE)
endfunction()
