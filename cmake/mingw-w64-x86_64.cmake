# SPDX-License-Identifier: MIT
# Builds korvane for 64-bit Windows with mingw-w64 (Debian:
# g++-mingw-w64-x86-64-posix; the posix flavour has std::thread).
#
#   cmake -S . -B build-windows -G Ninja \
#       -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#       -DCMAKE_PREFIX_PATH="/path/to/Qt/6.x/mingw_64;$(bash scripts/windows-xlsxwriter.sh)"
#
# Without a Qt for Windows configure with -DKORVANE_BUILD_GUI=OFF: the
# libraries that need no Qt and their tests (scripts/windows-tests.sh runs
# those under wine). The .xlsx export needs libxlsxwriter for Windows, which
# scripts/windows-xlsxwriter.sh builds, and zlib (libz-mingw-w64-dev).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KORVANE_MINGW_PREFIX x86_64-w64-mingw32 CACHE STRING "mingw-w64 target triplet")
find_program(CMAKE_C_COMPILER NAMES ${KORVANE_MINGW_PREFIX}-gcc-posix ${KORVANE_MINGW_PREFIX}-gcc
    REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${KORVANE_MINGW_PREFIX}-g++-posix ${KORVANE_MINGW_PREFIX}-g++
    REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${KORVANE_MINGW_PREFIX}-windres)

# Libraries and headers come from the target's tree (and from a Qt for
# Windows given in CMAKE_PREFIX_PATH), never from the build machine's; its
# programs (moc, uic) do.
set(CMAKE_FIND_ROOT_PATH /usr/${KORVANE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# The compiler's own run-time (libstdc++, libgcc, winpthread) goes into each
# program, so that a program copied to a Windows machine, or run under wine,
# needs no DLLs of the compiler beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# pkg-config reads the target's .pc files only, never the build machine's.
set(ENV{PKG_CONFIG_LIBDIR} "${CMAKE_FIND_ROOT_PATH}/lib/pkgconfig")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

# Programs are linked static (above), so zlib is the root's static library,
# not its import library for zlib1.dll that find_package(ZLIB) would pick.
set(ZLIB_LIBRARY "${CMAKE_FIND_ROOT_PATH}/lib/libz.a" CACHE FILEPATH "zlib for Windows, static")
