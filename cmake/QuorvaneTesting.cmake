# GoogleTest is built from source (Debian's googletest package), so the same tests also
# cross-build for Windows.
if(NOT TARGET gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory("${QV_GTEST_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
endif()

# qv_add_gtest(NAME SOURCES src... [LIBRARIES lib...] [LABELS label...])
# One test executable linking the layers (or the test support) it tests, registered with ctest as
# one test. Every core test also carries the
# label "windows" when it is cross-built and run under Wine.
function(qv_add_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE gtest gmock gtest_main qv_options ${ARG_LIBRARIES})
    target_compile_definitions(${name} PRIVATE
        QV_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
    add_test(NAME ${name} COMMAND ${name})
    set(labels core ${ARG_LABELS})
    if(CMAKE_CROSSCOMPILING AND WIN32)
        list(APPEND labels windows)
    endif()
    set_tests_properties(${name} PROPERTIES LABELS "${labels}")
endfunction()
