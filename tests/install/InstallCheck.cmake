# Installs the whole build into an empty prefix and checks it as a user and as a C++
# programmer would find it:
# - the libraries, the program, the substance database with its location file in the folder
#   of the property library (pointing at the installed database, equal to the built one), the
#   catalogue, the sample tasks, the desktop entry and the icon, the public headers and the
#   CMake package, which names neither the source nor the build folder;
# - a small program built against the package with find_package(Morv), from the installed
#   prefix alone, with the compiler's default language standard and without Qt to be found,
#   runs and prints what the three libraries give; where the windows were built, a program
#   against the component Windows (which finds Qt) runs too;
# - the installed program starts offscreen and is still running after two seconds (it finds
#   its libraries and its window platform), when it is stopped.
#
# Variables: SOURCE_DIR, BUILD_DIR, PREFIX, LIBDIR, DATADIR, BUILT_DATABASE, CONSUMER, GENERATOR, WINDOWS,
# SANITIZE (the libraries were built with the sanitizers, so the program links them too).
file(REMOVE_RECURSE ${PREFIX})
execute_process(
    COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}/usr
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "installation failed: ${result}")
endif()
set(root ${PREFIX}/usr)

set(database ${root}/${DATADIR}/KWELAR/KWELAR.DRC)
set(expected
    ${root}/${LIBDIR}/libKWELAR.so ${root}/${LIBDIR}/libPlatform.so ${root}/${LIBDIR}/libRalvo.so
    ${root}/${LIBDIR}/libTovicls.so ${root}/${LIBDIR}/libMorvModel.so
    ${root}/${LIBDIR}/KWELAR.CFG ${database}
    ${root}/include/KWELARdll/model/Smes.h ${root}/include/KWELAR/KWELARExport.h
    ${root}/include/Platform/Variant.h ${root}/include/RalvoC1/numeric/Ralvo.h ${root}/include/ToviC/Tovi.h
    ${root}/include/MORV/model/TARMST.h
    ${root}/${LIBDIR}/cmake/Morv/MorvConfig.cmake ${root}/${LIBDIR}/cmake/Morv/MorvConfigVersion.cmake
    ${root}/${LIBDIR}/cmake/Morv/MorvTargets.cmake)
if(WINDOWS)
    list(APPEND expected
        ${root}/bin/MORV ${root}/${DATADIR}/MORV/normmorv.dta
        ${root}/${DATADIR}/MORV/tasks/methanol-condenser.dat
        ${root}/${DATADIR}/MORV/tasks/methanol-vertical-condenser.dat
        ${root}/${DATADIR}/applications/morv.desktop ${root}/${DATADIR}/icons/hicolor/scalable/apps/morv.svg
        ${root}/${LIBDIR}/libPlatformQt.so ${root}/${LIBDIR}/libKwelarWindows.so
        ${root}/${LIBDIR}/libToviWindows.so ${root}/${LIBDIR}/libMorvWindow.so
        ${root}/include/MORV/window/frmHE.h)
endif()
foreach(file IN LISTS expected)
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

file(READ ${root}/${LIBDIR}/KWELAR.CFG cfg HEX)
string(HEX "\r\n\"${database}\"\r\n" line2)
string(FIND "${cfg}" "${line2}" at)
if(at EQUAL -1)
    message(FATAL_ERROR "the location file does not point at ${database}: ${cfg}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${database} ${BUILT_DATABASE} RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
    message(FATAL_ERROR "the installed database differs from the built one")
endif()

# The package finds everything in the prefix: no path into the source or the build folder.
file(GLOB packageFiles ${root}/${LIBDIR}/cmake/Morv/*.cmake)
foreach(file IN LISTS packageFiles)
    file(READ ${file} content)
    string(REPLACE "${root}" "" content "${content}")
    foreach(folder IN ITEMS ${SOURCE_DIR} ${BUILD_DIR})
        string(FIND "${content}" "${folder}" at)
        if(NOT at EQUAL -1)
            message(FATAL_ERROR "${file} names ${folder}")
        endif()
    endforeach()
endforeach()

# Programs against the package, built from the installed prefix alone (no package registry)
# with no language standard of their own: configured, built and run; each `program` prints
# `expected`. The first finds no Qt, as a program of the Qt-free libraries needs none.
set(flags)
if(SANITIZE)
    set(flags -DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined)
endif()
function(check_consumer build program expected)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -S ${CONSUMER} -B ${build} -G ${GENERATOR}
                -DCMAKE_PREFIX_PATH=${root} -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF
                -DCMAKE_BUILD_TYPE=Release ${flags} ${ARGN}
        RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "the consumer does not configure against the package:\n${out}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${build}
        RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "the consumer does not build against the package:\n${out}")
    endif()
    execute_process(COMMAND ${build}/${program}
        RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result EQUAL 0 OR NOT out STREQUAL "${expected}\n")
        message(FATAL_ERROR "${program} gave ${result}: '${out}' ${err}")
    endif()
endfunction()
check_consumer(${PREFIX}/consumer-build consumer "3 11 1.5000" -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON)
if(WINDOWS)
    check_consumer(${PREFIX}/windows-consumer-build windows-consumer "Text (*.txt *.TXT)|All (*)" -DWINDOWS=ON)
endif()

# The installed program, offscreen: a program that cannot load a library or its window
# platform ends at once; a sound one keeps running until the timeout stops it.
if(WINDOWS)
    set(ENV{QT_QPA_PLATFORM} offscreen)
    execute_process(COMMAND timeout 2 ${root}/bin/MORV
        RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result EQUAL 124)
        message(FATAL_ERROR "the installed program ended with ${result}:\n${out}${err}")
    endif()
endif()
file(REMOVE_RECURSE ${PREFIX})
