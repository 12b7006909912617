# Installs the Designer plugin twice and checks where it lands: with
# --prefix P under P/<Qt's plugin path>/designer, and by default (here
# under DESTDIR D, so that nothing of the machine changes) in Qt's own
# designer plugin folder D<Qt's prefix>/<Qt's plugin path>/designer.
# -DBUILD=<build tree> -DWORK=<scratch folder> -DPLUGINS=<Qt's relative plugin path> -DQT_PREFIX=<Qt's prefix>
file(REMOVE_RECURSE "${WORK}")
set(prefix "${WORK}/prefix")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}" --component designer
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT EXISTS "${prefix}/${PLUGINS}/designer/libzev_designer.so")
  message(FATAL_ERROR "--prefix: not installed under ${prefix}/${PLUGINS}/designer (${rc}):\n${out}")
endif()
set(destdir "${WORK}/destdir")
execute_process(COMMAND "${CMAKE_COMMAND}" -E env "DESTDIR=${destdir}"
                        "${CMAKE_COMMAND}" --install "${BUILD}" --component designer
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT EXISTS "${destdir}${QT_PREFIX}/${PLUGINS}/designer/libzev_designer.so")
  message(FATAL_ERROR "default: not installed into Qt's folder ${QT_PREFIX}/${PLUGINS}/designer (${rc}):\n${out}")
endif()
file(REMOVE_RECURSE "${WORK}")
