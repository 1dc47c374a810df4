# Installs the KWELAR component into an empty prefix and checks that the library, the
# database and a location file stand where an installed program looks for them: the
# location file in the folder of the library, holding the full path of the installed
# database, and the database equal to the built one.
#
# Variables: BUILD_DIR, PREFIX, LIBDIR, DATADIR, BUILT_DATABASE.
file(REMOVE_RECURSE ${PREFIX})
execute_process(
    COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} --component KWELAR
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "installation failed: ${result}")
endif()

set(database ${PREFIX}/${DATADIR}/KWELAR/KWELAR.DRC)
foreach(file ${PREFIX}/${LIBDIR}/libKWELAR.so ${PREFIX}/${LIBDIR}/libPlatform.so
        ${PREFIX}/${LIBDIR}/KWELAR.CFG ${database})
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

file(READ ${PREFIX}/${LIBDIR}/KWELAR.CFG cfg HEX)
string(HEX "\r\n\"${database}\"\r\n" line2)
string(FIND "${cfg}" "${line2}" at)
if(at EQUAL -1)
    message(FATAL_ERROR "the location file does not point at ${database}: ${cfg}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${database} ${BUILT_DATABASE} RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
    message(FATAL_ERROR "the installed database differs from the built one")
endif()
file(REMOVE_RECURSE ${PREFIX})
