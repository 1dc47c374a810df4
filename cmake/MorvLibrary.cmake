# morv_add_library(<name> [SHARED|STATIC] SOURCES ... [LINKS ...] [PRIVATE_LINKS ...])
#
# Makes one library target of the project: the namespaced alias Morv::<name>, an export
# header "<name>/<name>Export.h" with the macro <NAME>_EXPORT, hidden default visibility,
# and the source root as the public include directory, so that headers are included as
# "Platform/Variant.h", "KWELARdll/model/Smes.h" and so on. Its public headers need C++20,
# which the target states for every program that links it. A shared library is installed
# with the headers of its source folders (under the same paths) and its export header, and
# joins an export set of the installed CMake package: MorvWindowsTargets when it links Qt
# (directly or through a library of ours that does), MorvTargets otherwise; a static library
# is a part of the build only.
include(GenerateExportHeader)
include(GNUInstallDirs)

function(morv_add_library name)
    cmake_parse_arguments(ARG "SHARED;STATIC" "" "SOURCES;LINKS;PRIVATE_LINKS" ${ARGN})
    set(kind SHARED)
    if(ARG_STATIC)
        set(kind STATIC)
    endif()
    add_library(${name} ${kind} ${ARG_SOURCES})
    add_library(Morv::${name} ALIAS ${name})
    string(TOUPPER ${name} upper)
    generate_export_header(${name}
        BASE_NAME ${upper}
        EXPORT_FILE_NAME ${CMAKE_BINARY_DIR}/exports/${name}/${name}Export.h)
    target_include_directories(${name} PUBLIC
        $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
        $<BUILD_INTERFACE:${CMAKE_BINARY_DIR}/exports>
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
    target_compile_features(${name} PUBLIC cxx_std_20)
    set_target_properties(${name} PROPERTIES
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        POSITION_INDEPENDENT_CODE ON)
    if(ARG_LINKS)
        target_link_libraries(${name} PUBLIC ${ARG_LINKS})
    endif()
    if(ARG_PRIVATE_LINKS)
        target_link_libraries(${name} PRIVATE ${ARG_PRIVATE_LINKS})
    endif()
    set(links_qt OFF)
    foreach(link IN LISTS ARG_LINKS)
        if(link MATCHES "^Qt6?::")
            set(links_qt ON)
        elseif(TARGET ${link})
            get_target_property(real ${link} ALIASED_TARGET)
            if(NOT real)
                set(real ${link})
            endif()
            get_target_property(linked ${real} MORV_LINKS_QT)
            if(linked)
                set(links_qt ON)
            endif()
        endif()
    endforeach()
    set_target_properties(${name} PROPERTIES MORV_LINKS_QT ${links_qt})
    if(NOT ARG_STATIC)
        set(export_set MorvTargets)
        if(links_qt)
            set(export_set MorvWindowsTargets)
            set_property(GLOBAL PROPERTY MORV_WINDOWS_EXPORTED ON)
        endif()
        morv_install_library(${name} ${export_set} ${ARG_SOURCES})
    endif()
endfunction()

# The library, its export header and the headers of the folders its sources lie in.
function(morv_install_library name export_set)
    install(TARGETS ${name} EXPORT ${export_set}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${CMAKE_BINARY_DIR}/exports/${name}/${name}Export.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${name})
    set(folders)
    foreach(source IN LISTS ARGN)
        get_filename_component(source ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
        get_filename_component(folder ${source} DIRECTORY)
        list(APPEND folders ${folder})
    endforeach()
    list(REMOVE_DUPLICATES folders)
    foreach(folder IN LISTS folders)
        file(GLOB headers ${folder}/*.h)
        file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${folder})
        if(headers)
            install(FILES ${headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${relative})
        endif()
    endforeach()
endfunction()

# morv_add_test(<name> SOURCES ... LINKS ... [QT])
#
# One GoogleTest executable, registered with CTest test by test. QT links the window-test
# main (offscreen platform, one application object, scripted boxes) instead of gtest_main,
# and runs the whole executable once more as on a Czech desktop: the user's locale
# cs_CZ.UTF-8 (decimal comma, Czech texts of the toolkit), compiled into the build by
# tests/support and found through LOCPATH.
function(morv_add_test name)
    cmake_parse_arguments(ARG "QT" "" "SOURCES;LINKS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_QT)
        target_link_libraries(${name} PRIVATE ${ARG_LINKS} MorvQtTestMain)
    else()
        target_link_libraries(${name} PRIVATE ${ARG_LINKS} MorvTestSupport GTest::gtest_main)
    endif()
    gtest_discover_tests(${name}
        DISCOVERY_TIMEOUT 60
        NO_PRETTY_VALUES
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    if(ARG_QT)
        add_test(NAME ${name}.CzechDesktop COMMAND ${name} --gtest_brief=1)
        set_tests_properties(${name}.CzechDesktop PROPERTIES
            TIMEOUT 600
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=cs_CZ.UTF-8;LANG=cs_CZ.UTF-8;LANGUAGE=cs;LOCPATH=${CMAKE_BINARY_DIR}/locale")
    endif()
endfunction()

# morv_add_benchmark(<name> SOURCES ... LINKS ...)
function(morv_add_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LINKS} benchmark::benchmark_main)
endfunction()
