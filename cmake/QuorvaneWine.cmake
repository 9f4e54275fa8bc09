# A Windows build made on Linux runs its tests under 64-bit Wine, in a prefix of its own inside
# the build folder (scripts/wine-prefix.sh creates it). ctest puts the emulator in front of
# every test program.
if(CMAKE_CROSSCOMPILING AND WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 8)
    find_program(QV_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
    set(QV_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "The Wine prefix the tests run in")
    # Quiet, and without the .NET and browser installers that a new prefix would offer. A Russian
    # user's Windows whatever the machine's locale: Wine takes the user's interface language from
    # LC_ALL / LANG, and the programs speak the language of the user's interface.
    set(QV_WINE_ENVIRONMENT
        WINEPREFIX=${QV_WINEPREFIX} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
        LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8)
    if(QV_WINE64 AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
        set(CMAKE_CROSSCOMPILING_EMULATOR env ${QV_WINE_ENVIRONMENT} ${QV_WINE64})
    endif()
endif()
