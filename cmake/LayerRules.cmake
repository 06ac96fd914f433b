# Keeps the arrows between folders pointing one way. velorin_check_layer(<target> [folder...])
# makes <target> fail to build while a source file of the current folder includes a project
# header from any folder other than its own and the folders listed.

function(velorin_check_layer target)
    file(RELATIVE_PATH folder "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
    file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h"
                                        "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
    string(REPLACE "/" "_" name "${folder}")
    set(stamp "${CMAKE_CURRENT_BINARY_DIR}/${name}_layer.stamp")
    # Lists travel to the script joined with "|": a ";" would split the command line.
    string(REPLACE ";" "|" allowed "${folder};${ARGN}")
    string(REPLACE ";" "|" files "${sources}")
    add_custom_command(OUTPUT "${stamp}"
        COMMAND "${CMAKE_COMMAND}" "-DFOLDER=${folder}" "-DALLOWED=${allowed}"
                "-DSOURCES=${files}" "-DSTAMP=${stamp}"
                -P "${PROJECT_SOURCE_DIR}/cmake/CheckLayer.cmake"
        DEPENDS ${sources} "${PROJECT_SOURCE_DIR}/cmake/CheckLayer.cmake"
        COMMENT "Checking the includes of ${folder}/" VERBATIM)
    add_custom_target(${target}_layer DEPENDS "${stamp}")
    add_dependencies(${target} ${target}_layer)
endfunction()
