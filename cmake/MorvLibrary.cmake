# morv_add_library(<name> [SHARED|STATIC] SOURCES ... [LINKS ...] [PRIVATE_LINKS ...])
#
# Makes one library target of the project: the namespaced alias Morv::<name>, an export
# header "<name>/<name>Export.h" with the macro <NAME>_EXPORT, hidden default visibility,
# and the source root as the public include directory, so that headers are included as
# "Platform/Variant.h", "KWELARdll/model/Smes.h" and so on.
include(GenerateExportHeader)

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
        $<BUILD_INTERFACE:${CMAKE_BINARY_DIR}/exports>)
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
endfunction()

# morv_add_test(<name> SOURCES ... LINKS ... [QT])
#
# One GoogleTest executable, registered with CTest test by test. QT links the window-test
# main (offscreen platform, one application object, scripted boxes) instead of gtest_main.
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
endfunction()

# morv_add_benchmark(<name> SOURCES ... LINKS ...)
function(morv_add_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LINKS} benchmark::benchmark_main)
endfunction()
