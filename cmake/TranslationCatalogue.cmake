# cmake -DTS_FILE=<catalogue.ts> -DOUTPUT=<file.cpp> -P TranslationCatalogue.cmake
# Writes the finished messages of a Qt Linguist catalogue as the C++ table that
# platform/TranslationCatalogue.h declares. It reads the catalogue as lupdate writes it: each
# message's source, comment and translation on elements of their own, with XML's five entities.

cmake_minimum_required(VERSION 3.25)

file(READ ${TS_FILE} catalogue)
# CMake lists split at ';' and pair square brackets: keep those characters out of the way.
string(REPLACE ";" "@semicolon@" catalogue "${catalogue}")
string(REPLACE "[" "@open@" catalogue "${catalogue}")
string(REPLACE "]" "@close@" catalogue "${catalogue}")

function(cpp_literal text out)
    string(REPLACE "@semicolon@" ";" text "${text}")
    string(REPLACE "@open@" "[" text "${text}")
    string(REPLACE "@close@" "]" text "${text}")
    string(REPLACE "&lt;" "<" text "${text}")
    string(REPLACE "&gt;" ">" text "${text}")
    string(REPLACE "&quot;" "\"" text "${text}")
    string(REPLACE "&apos;" "'" text "${text}")
    string(REPLACE "&amp;" "&" text "${text}")
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    string(REPLACE "\r" "" text "${text}")
    string(REPLACE "\n" "\\n" text "${text}")
    string(REPLACE "\t" "\\t" text "${text}")
    set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

set(rows "")
set(count 0)
string(REPLACE "<context>" ";" contexts "${catalogue}")
list(REMOVE_AT contexts 0)
foreach(context IN LISTS contexts)
    string(REGEX MATCH "<name>([^<]*)</name>" ignored "${context}")
    cpp_literal("${CMAKE_MATCH_1}" context_name)
    string(REPLACE "<message" ";" messages "${context}")
    list(REMOVE_AT messages 0)
    foreach(message IN LISTS messages)
        if(message MATCHES "numerus=\"yes\"")
            message(FATAL_ERROR "${TS_FILE}: plural messages are not supported; use qv::pluralForm")
        endif()
        if(NOT message MATCHES "<translation( type=\"[a-z]+\")?>([^<]*)</translation>")
            continue()
        endif()
        if(NOT CMAKE_MATCH_1 STREQUAL "")
            continue() # unfinished, vanished or obsolete
        endif()
        cpp_literal("${CMAKE_MATCH_2}" english)
        string(REGEX MATCH "<source>([^<]*)</source>" ignored "${message}")
        cpp_literal("${CMAKE_MATCH_1}" source)
        set(disambiguation "\"\"")
        if(message MATCHES "<comment>([^<]*)</comment>")
            cpp_literal("${CMAKE_MATCH_1}" disambiguation)
        endif()
        string(APPEND rows "    {${context_name}, ${source}, ${disambiguation}, ${english}},\n")
        math(EXPR count "${count} + 1")
    endforeach()
endforeach()
if(count EQUAL 0)
    set(rows "    {\"\", \"\", \"\", \"\"},\n")
endif()

file(WRITE ${OUTPUT}
"// Made from the English catalogue at build time; edit the catalogue, not this file.
#include \"platform/TranslationCatalogue.h\"

namespace qv {

const CatalogueMessage englishCatalogue[] = {
${rows}};
const std::size_t englishCatalogueSize = ${count};

}  // namespace qv
")
