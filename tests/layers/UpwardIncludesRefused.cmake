# cmake -DBUILD=FOLDER -DPROBES=TARGET:HEADER,... -P UpwardIncludesRefused.cmake
# Builds each probe target in FOLDER and passes when every one fails for want of its header.
string(REPLACE "," ";" PROBES ${PROBES})
foreach(probe ${PROBES})
    string(REPLACE ":" ";" probe ${probe})
    list(GET probe 0 target)
    list(GET probe 1 header)
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target ${target}
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    string(REPLACE "." "\\." header_pattern ${header})
    if(result EQUAL 0)
        message(FATAL_ERROR "${target}: ${header} was found from below")
    # The words of GCC, Clang and MSVC for the header itself not found.
    elseif(NOT output MATCHES "${header_pattern}'?: No such file|'${header_pattern}' file not found")
        message(FATAL_ERROR "${target} failed for another reason than ${header}:\n${output}")
    endif()
    message(STATUS "${target}: ${header} refused")
endforeach()
