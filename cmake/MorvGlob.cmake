# morv_sources(<var> <folder>...): the .cpp files directly in the given folders (relative to
# the current source folder), re-globbed whenever the build runs so new files take part.
function(morv_sources var)
    set(all)
    foreach(folder IN LISTS ARGN)
        file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
        list(APPEND all ${found})
    endforeach()
    list(SORT all)
    set(${var} ${all} PARENT_SCOPE)
endfunction()
