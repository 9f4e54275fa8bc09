# Compiler settings shared by every target of the project.
add_library(qv_options INTERFACE)

if(MSVC)
    target_compile_options(qv_options INTERFACE /W4 /utf-8 /permissive-)
    if(QV_WERROR)
        target_compile_options(qv_options INTERFACE /WX)
    endif()
else()
    target_compile_options(qv_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow
                                                -Wnon-virtual-dtor -Wold-style-cast)
    if(QV_WERROR)
        target_compile_options(qv_options INTERFACE -Werror)
    endif()
    # GCC 12's optimiser sees overlapping copies and uninitialised bytes inside libstdc++'s own
    # std::string code where there are none (GCC bug 105329 and its kin); GCC 13 no longer does.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(qv_options INTERFACE
            $<$<NOT:$<CONFIG:Debug>>:-Wno-restrict -Wno-maybe-uninitialized>)
    endif()
endif()

# The sanitizer flags are those of GCC and Clang; other compilers build without them.
if(QV_SANITIZE AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(qv_options INTERFACE -fsanitize=address,undefined
                                                -fno-sanitize-recover=undefined
                                                -fno-omit-frame-pointer)
    target_link_options(qv_options INTERFACE -fsanitize=address,undefined)
endif()
