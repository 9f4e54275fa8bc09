# The zip a Windows user downloads, defined once: what `cmake --install` puts into a folder, and
# CPack's ZIP generator packs as quorvane-<version>-windows-x64.zip with that folder inside
# (scripts/package-windows.sh on Linux and .github/workflows/windows.yml on Windows both run
# CPack). It holds quorvane.exe and quorvane-cli.exe, the Qt DLLs and plugins they load with the
# compiler's runtime, Qt's Russian texts, the example projects and README.txt.
if(NOT WIN32 OR NOT QV_BUILD_UI)
    return()
endif()

install(TARGETS quorvane quorvane-cli RUNTIME DESTINATION .)

set(qv_qt_plugins ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(DIRECTORY ${qv_qt_plugins}/imageformats DESTINATION . OPTIONAL
        FILES_MATCHING PATTERN "*.dll")
install(FILES ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}/qtbase_ru.qm
        DESTINATION translations)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION examples
        FILES_MATCHING PATTERN "*.qvnx*")

# README.txt: Windows line ends, UTF-8 with a byte order mark so that every Notepad reads it.
set(VERSION ${PROJECT_VERSION})
string(ASCII 239 187 191 qv_byte_order_mark)
file(READ ${PROJECT_SOURCE_DIR}/packaging/windows/README.txt qv_readme)
file(CONFIGURE OUTPUT packaging/README.txt CONTENT "${qv_byte_order_mark}${qv_readme}" @ONLY
     NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/README.txt DESTINATION .)

# Every DLL that the programs and the plugins import, directly or through another such DLL, and
# that Qt's folder or the compiler's holds (Qt and the compiler's runtime); the rest comes with
# Windows.
get_filename_component(qv_compiler_folder ${CMAKE_CXX_COMPILER} DIRECTORY)
install(CODE "
    set(QV_BINARIES \"$<TARGET_FILE:quorvane>;$<TARGET_FILE:quorvane-cli>;$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>;$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>\")
    file(GLOB qv_image_formats \"${qv_qt_plugins}/imageformats/*.dll\")
    list(APPEND QV_BINARIES \${qv_image_formats})
    set(QV_DLL_FOLDERS \"$<TARGET_FILE_DIR:Qt6::Core>;${qv_compiler_folder}\")
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
    if(\"${MINGW}\")
        set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
        set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND \"${CMAKE_OBJDUMP}\")
    endif()
    include(\"${CMAKE_CURRENT_LIST_DIR}/QuorvaneImportedDlls.cmake\")
")

# What is packed is built first by whoever packs it (the script, the workflow), so the package
# does not wait for the tests to build.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_FILE_NAME quorvane-${PROJECT_VERSION}-windows-x64)
set(CPACK_STRIP_FILES ON)
include(CPack)
