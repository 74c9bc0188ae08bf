# Puts the shipped data files into the Data folder beside the programs.
#
# The program writes into that folder (the customer list, the tip counter), so a build only
# adds the files that are missing and never replaces one that is there. Each <name>.sql
# becomes the database <name>.db, built into a temporary file first so that a failed build
# leaves no half-made database behind.
#
# With RESET=ON the shipped files go back in place; a file that differs from its shipped
# version is first kept beside it as <name>.<time>.bak, so nothing the user made is lost.
#
#   cmake -DSOURCE=<shipped Data> -DDEST=<Data beside the programs> [-DRESET=ON]
#         [-DSQLITE=<sqlite3 program>] -P InstallData.cmake

foreach(var SOURCE DEST)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "InstallData.cmake needs -D${var}=<folder>")
    endif()
endforeach()
if(NOT SQLITE)
    set(SQLITE sqlite3)
endif()
string(TIMESTAMP stamp "%Y%m%d-%H%M%S")

# Keeps the file at path beside it before a reset replaces it.
function(keep_user_copy path)
    if(EXISTS "${path}")
        file(RENAME "${path}" "${path}.${stamp}.bak")
        message(STATUS "Kept your copy as ${path}.${stamp}.bak")
    endif()
endfunction()

function(build_database sql db)
    set(partial "${db}.partial")
    file(REMOVE "${partial}")
    execute_process(COMMAND "${SQLITE}" -bail "${partial}" INPUT_FILE "${sql}"
                    RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        file(REMOVE "${partial}")
        message(FATAL_ERROR "Could not build ${db} from ${sql}: ${err}")
    endif()
    file(RENAME "${partial}" "${db}")
endfunction()

file(GLOB_RECURSE shipped RELATIVE "${SOURCE}" "${SOURCE}/*")
foreach(name ${shipped})
    set(from "${SOURCE}/${name}")
    if(name MATCHES "\\.sql$")
        string(REGEX REPLACE "\\.sql$" ".db" dbName "${name}")
        set(to "${DEST}/${dbName}")
        if(RESET)
            keep_user_copy("${to}")
        endif()
        if(NOT EXISTS "${to}")
            get_filename_component(dir "${to}" DIRECTORY)
            file(MAKE_DIRECTORY "${dir}")
            build_database("${from}" "${to}")
        endif()
        continue()
    endif()
    set(to "${DEST}/${name}")
    if(RESET AND EXISTS "${to}")
        file(SHA256 "${from}" shippedHash)
        file(SHA256 "${to}" currentHash)
        if(NOT shippedHash STREQUAL currentHash)
            keep_user_copy("${to}")
        endif()
    endif()
    if(NOT EXISTS "${to}")
        get_filename_component(dir "${to}" DIRECTORY)
        file(COPY "${from}" DESTINATION "${dir}")
    endif()
endforeach()
