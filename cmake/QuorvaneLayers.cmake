# The program is built in layers, each a static library over one folder of src/, linking only the
# layers below it (src/CMakeLists.txt lists them in order). A layer exports its own headers and
# nothing else: its include root, made in the build tree, holds one link named after the layer
# to its folder, so "model/Mission.h" is found where quorvane_model is linked and nowhere else,
# and an include up the layers fails to compile.

# qv_layer_include_root(TARGET SCOPE NAME): gives TARGET (in SCOPE, PUBLIC or PRIVATE) the include
# root of src/NAME.
function(qv_layer_include_root target scope name)
    set(root ${CMAKE_BINARY_DIR}/layers/${name})
    set(folder ${PROJECT_SOURCE_DIR}/src/${name})
    set(link ${root}/${name})
    if(IS_SYMLINK ${link})
        file(READ_SYMLINK ${link} current)
    elseif(IS_DIRECTORY ${link})
        set(current ${folder}) # a junction made on Windows
    else()
        set(current "")
    endif()
    if(NOT current STREQUAL folder)
        file(MAKE_DIRECTORY ${root})
        file(REMOVE ${link})
        file(CREATE_LINK ${folder} ${link} SYMBOLIC RESULT failed)
        # Windows lets only administrators and developer mode make symbolic links; anyone may
        # make a junction.
        if(failed AND CMAKE_HOST_WIN32 AND NOT IS_DIRECTORY ${link})
            file(TO_NATIVE_PATH ${link} native_link)
            file(TO_NATIVE_PATH ${folder} native_folder)
            execute_process(COMMAND cmd /c mklink /J ${native_link} ${native_folder}
                            OUTPUT_QUIET RESULT_VARIABLE failed)
        endif()
        if(failed AND NOT IS_DIRECTORY ${link})
            message(FATAL_ERROR "Cannot make the include root of src/${name}: ${failed}")
        endif()
    endif()
    target_include_directories(${target} ${scope} ${root})
endfunction()

# qv_add_layer(NAME [USES LAYER...]): the static library quorvane_NAME over src/NAME, linking the
# layers it uses (those below it). The folder's CMakeLists.txt adds the sources.
function(qv_add_layer name)
    cmake_parse_arguments(ARG "" "" "USES" ${ARGN})
    add_library(quorvane_${name} STATIC)
    qv_layer_include_root(quorvane_${name} PUBLIC ${name})
    list(TRANSFORM ARG_USES PREPEND quorvane_)
    target_link_libraries(quorvane_${name} PUBLIC ${ARG_USES} qv_options)
endfunction()
