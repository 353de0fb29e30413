# Cross build for 64-bit Windows with Debian's mingw-w64 compiler (posix threads):
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64.cmake \
#         -DVELMORA_BUILD_UI=OFF -DVELMORA_BUILD_BENCH=OFF
# The executables link their C and C++ runtimes statically, so they run on
# Windows without extra DLLs. CTest runs them under Wine in a Wine prefix of the
# build folder's own (scripts/wine-run.sh).
# The whole program, window included, also needs Qt for Windows, built once per
# machine by scripts/build-qt-windows.sh; its install folder is given as
#   -DVELMORA_QT_WINDOWS=<folder>
# (scripts/build-windows.sh does all of it). Qt's tools (moc, rcc, uic) are the
# host's own Qt 6 of the same version.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELMORA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELMORA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMORA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMORA_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VELMORA_MINGW})
# Toolchain files are read again for every compiler check, which sees only the
# variables listed here.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELMORA_QT_WINDOWS)
if(VELMORA_QT_WINDOWS)
    list(APPEND CMAKE_FIND_ROOT_PATH ${VELMORA_QT_WINDOWS})
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh
    ${CMAKE_BINARY_DIR}/wine-prefix)
# The tests are listed when CTest runs, not after each link: the build itself
# never needs Wine, and the Wine prefix can be created while it runs.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
