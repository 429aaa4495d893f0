# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT

# Cross build for 64-bit Windows with Debian's MinGW-w64 (packages
# g++-mingw-w64-x86-64-posix, wine64 to run what it builds):
#
#   cmake -S . -B build-windows -G Ninja \
#       -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
#       -DCORVANE_BUILD_GUI=OFF -DCORVANE_BUILD_BENCH=OFF
#
# The programs are linked statically, so corvane-cli.exe needs no DLL beside
# it: only the system's KERNEL32.dll and msvcrt.dll.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix thread model, so that std::thread and std::mutex exist should the
# code ever use them; winpthreads is linked in statically like the rest.
set(corvaneMingwTriple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${corvaneMingwTriple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${corvaneMingwTriple}-g++-posix)
set(CMAKE_RC_COMPILER ${corvaneMingwTriple}-windres)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Libraries and headers come from the MinGW tree only: the build machine's
# /usr/include and /usr/lib hold Linux builds.
set(CMAKE_FIND_ROOT_PATH /usr/${corvaneMingwTriple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# CLI11 and nlohmann-json are header-only and the same for every target, but
# Debian's package files point into /usr/include, where glibc's headers would
# shadow MinGW's. These stand-ins offer the same targets without that.
set(CLI11_DIR ${CMAKE_CURRENT_LIST_DIR}/../cross-packages)
set(nlohmann_json_DIR ${CMAKE_CURRENT_LIST_DIR}/../cross-packages)
# GoogleTest is built from its sources, see GTestConfig.cmake there.
set(GTest_DIR ${CMAKE_CURRENT_LIST_DIR}/../cross-packages)

# Test programs run under Wine, in a Wine prefix of the build's own. Listing
# the tests at build time would start Wine in every build; ctest does it
# instead, when the tests are run.
find_program(CORVANE_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(CORVANE_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${CMAKE_CURRENT_LIST_DIR}/wine-emulator.sh ${CORVANE_WINE} ${CMAKE_BINARY_DIR}/wine-prefix)
endif()
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
