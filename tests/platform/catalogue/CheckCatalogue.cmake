# cmake -DSCRIPT=<TranslationCatalogue.cmake> -DSAMPLE=<dir> -DOUTPUT=<file> -P CheckCatalogue.cmake
# Compiles sample.ts and compares the table with sample.cpp: XML's entities, the characters CMake
# lists treat specially, line breaks and disambiguations come through; unfinished messages stay out.
execute_process(COMMAND ${CMAKE_COMMAND} -DTS_FILE=${SAMPLE}/sample.ts -DOUTPUT=${OUTPUT}
                        -P ${SCRIPT} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "the catalogue did not compile")
endif()
file(READ ${OUTPUT} made)
file(READ ${SAMPLE}/sample.cpp expected)
if(NOT made STREQUAL expected)
    message(FATAL_ERROR "the table differs from sample.cpp:\n${made}")
endif()
