# Run by `cmake --install` (cmake/QuorvaneWindowsPackage.cmake sets the variables): installs
# beside the programs every DLL that QV_BINARIES import, directly or through another such DLL,
# and that one of QV_DLL_FOLDERS holds. The DLLs are found by their names compared without case,
# as Windows compares them, also where the file system tells case (a build made on Linux).
cmake_policy(VERSION 3.21)

foreach(folder ${QV_DLL_FOLDERS})
    file(GLOB dlls ${folder}/*.dll)
    foreach(dll ${dlls})
        get_filename_component(name ${dll} NAME)
        string(TOLOWER ${name} name)
        if(NOT DEFINED qv_dll_${name})
            set(qv_dll_${name} ${dll})
        endif()
    endforeach()
endforeach()

set(pending ${QV_BINARIES})
set(gathered)
while(pending)
    # Only the names matter: those found (on Windows, in its own folders too) and those not.
    file(GET_RUNTIME_DEPENDENCIES
        LIBRARIES ${pending}
        PRE_EXCLUDE_REGEXES "^api-ms-" "^ext-ms-"
        RESOLVED_DEPENDENCIES_VAR found
        UNRESOLVED_DEPENDENCIES_VAR not_found)
    set(pending)
    foreach(import ${found} ${not_found})
        get_filename_component(name ${import} NAME)
        string(TOLOWER ${name} name)
        if(DEFINED qv_dll_${name} AND NOT "${qv_dll_${name}}" IN_LIST gathered)
            list(APPEND gathered ${qv_dll_${name}})
            list(APPEND pending ${qv_dll_${name}})
        endif()
    endforeach()
endwhile()

if(gathered)
    file(INSTALL ${gathered} DESTINATION ${CMAKE_INSTALL_PREFIX})
endif()
