# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT

# Makes an imported INTERFACE target for a header-only library of the build
# machine whose headers sit in one folder of /usr/include, e.g.
# corvaneHeaderOnly(CLI11::CLI11 CLI). The folder is linked into a directory of
# the build's own, so that /usr/include never reaches the cross compiler.
function(corvaneHeaderOnly target folder)
    if(TARGET ${target})
        return()
    endif()
    set(includeDir ${CMAKE_BINARY_DIR}/cross-packages/include)
    if(NOT EXISTS /usr/include/${folder})
        message(FATAL_ERROR "/usr/include/${folder} is missing: install its -dev package")
    endif()
    file(MAKE_DIRECTORY ${includeDir})
    if(NOT EXISTS ${includeDir}/${folder})
        file(CREATE_LINK /usr/include/${folder} ${includeDir}/${folder} SYMBOLIC)
    endif()
    add_library(${target} INTERFACE IMPORTED)
    set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${includeDir})
endfunction()
