# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT

# Debian's libgtest-dev holds Linux libraries only; for the MinGW-w64 cross
# build GoogleTest and GoogleMock are built from the sources that the
# googletest package keeps in /usr/src/googletest, giving the same GTest::
# targets (GTest::gtest, GTest::gtest_main, GTest::gmock, GTest::gmock_main).
set(CORVANE_GOOGLETEST_SOURCE_DIR /usr/src/googletest
    CACHE PATH "GoogleTest sources built for the cross build")

function(corvaneAddGoogleTest)
    if(TARGET GTest::gtest)
        return()
    endif()
    if(NOT EXISTS ${CORVANE_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
        message(FATAL_ERROR
            "No GoogleTest sources in ${CORVANE_GOOGLETEST_SOURCE_DIR}: install googletest")
    endif()
    set(INSTALL_GTEST OFF)
    set(BUILD_GMOCK ON)
    add_subdirectory(${CORVANE_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest
                     EXCLUDE_FROM_ALL SYSTEM)
endfunction()

corvaneAddGoogleTest()
