# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
# Checks that every layer includes only what lies below it, so the folders
# keep the architecture that the libraries link:
#
#   core <- errors <- slave, master <- subs (the window rules) <- the Qt window, the page
#                                   <- answers                <- corvane-cli, the page
#
# Qt stays in the Qt window (app/widgets, about, app).
#
#   cmake -DROOT=<tree> -P checklayers.cmake
#
# Fails with one line per offending include, naming the file, the include and
# the layers the file may use.

cmake_minimum_required(VERSION 3.25)

if(NOT ROOT)
    message(FATAL_ERROR "give -DROOT=<the tree to check>")
endif()

# Each folder, most specific first, with the layers its files may include.
set(layers app/widgets about app cli web answers subs master slave errors core)
set(allowed_core core)
set(allowed_errors core errors)
set(allowed_slave core errors slave)
set(allowed_master core errors master)
set(allowed_subs core errors slave master subs)
set(allowed_answers core errors slave master answers)
set(allowed_app/widgets core errors slave master subs app/widgets Qt)
set(allowed_about core errors slave master subs app/widgets about Qt)
set(allowed_app core errors slave master subs app/widgets about app Qt)
set(allowed_cli core errors slave master answers cli)
set(allowed_web core errors slave master subs answers web)

# The layer a path (of a file, or of a quoted include) belongs to.
function(layer_of path result)
    foreach(layer IN LISTS layers)
        if(path MATCHES "^${layer}/")
            set(${result} ${layer} PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(${result} "" PARENT_SCOPE)
endfunction()

set(faults "")
foreach(layer IN LISTS layers)
    file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/${layer}/*.h ${ROOT}/${layer}/*.cpp
         ${ROOT}/${layer}/*.in)
    foreach(source IN LISTS sources)
        layer_of(${source} owner)
        if(NOT owner STREQUAL layer)
            continue() # a deeper folder checks it
        endif()
        file(STRINGS ${ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line IN LISTS includes)
            if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
                set(target ${CMAKE_MATCH_1})
                layer_of(${target} used)
                if(used STREQUAL "")
                    list(APPEND faults "${source}: \"${target}\" does not name its folder")
                    continue()
                endif()
            elseif(line MATCHES "#[ \t]*include[ \t]*<(corvane/[^>]+)>")
                set(target ${CMAKE_MATCH_1})
                set(used core) # the generated title and version
            elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[^>]*)>")
                set(target ${CMAKE_MATCH_1})
                set(used Qt)
            else()
                continue()
            endif()
            if(NOT used IN_LIST allowed_${layer})
                string(REPLACE ";" ", " may "${allowed_${layer}}")
                list(APPEND faults "${source}: includes ${target} (${used}), but ${layer} may use only ${may}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults)
    string(REPLACE ";" "\n" report "${faults}")
    message(FATAL_ERROR "A layer reaches up:\n${report}")
endif()
message(STATUS "Every layer includes only the layers below it")
