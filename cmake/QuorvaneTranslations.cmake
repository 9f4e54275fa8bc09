# The program's texts are written in Russian in the code; translations/quorvane_en.ts, kept up to
# date by scripts/update-translations.sh (Qt's lupdate), holds their English. The editor's
# widgets read it as a .qm file built by Qt's lrelease; the core, which has no Qt, reads the
# same catalogue as a table of C++ strings made from it at build time.

set(QV_TRANSLATION_SOURCES ${PROJECT_SOURCE_DIR}/translations/quorvane_en.ts)

# qv_add_translation_catalogue(TARGET TS_FILE): compiles the finished messages of TS_FILE into
# TARGET as the table platform/TranslationCatalogue.h declares.
function(qv_add_translation_catalogue target ts_file)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/TranslationCatalogue.cpp)
    set(script ${PROJECT_SOURCE_DIR}/cmake/TranslationCatalogue.cmake)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DTS_FILE=${ts_file} -DOUTPUT=${output} -P ${script}
        DEPENDS ${ts_file} ${script}
        COMMENT "Compiling the English catalogue for the core"
        VERBATIM)
    target_sources(${target} PRIVATE ${output})
endfunction()

# qv_add_qt_translations(TARGET): builds the .qm files of the catalogue with lrelease and puts
# them into TARGET's resources under :/i18n.
function(qv_add_qt_translations target)
    if(NOT COMMAND qt_add_lrelease)
        # Cross builds take Qt's translation tools from the build machine's Qt.
        find_package(Qt6LinguistTools REQUIRED
                     PATHS ${QT_HOST_PATH_CMAKE_DIR} ${QT_HOST_PATH}/lib/cmake
                     NO_CMAKE_FIND_ROOT_PATH)
    endif()
    qt_add_lrelease(${target} TS_FILES ${QV_TRANSLATION_SOURCES}
                    QM_FILES_OUTPUT_VARIABLE qm_files)
    qt_add_resources(${target} quorvane_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}
                     FILES ${qm_files})
endfunction()
