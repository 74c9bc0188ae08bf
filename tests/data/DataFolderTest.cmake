# What the build does to the Data folder beside the programs: it adds missing files, keeps
# what the program changed, and a reset puts the shipped files back after keeping copies.
#   cmake -DSCRIPT=<InstallData.cmake> -DSQLITE=<sqlite3> -DWORK=<scratch folder> -P this file

set(shipped "${WORK}/shipped")
set(dest "${WORK}/Data")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${shipped}/sub")
file(WRITE "${shipped}/CustList.txt" "shipped list\n")
file(WRITE "${shipped}/sub/Nested.txt" "nested\n")
file(WRITE "${shipped}/Test.sql" "CREATE TABLE t(x); INSERT INTO t VALUES (42);\n")

function(install_data)
    execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${shipped} -DDEST=${dest}
                            -DSQLITE=${SQLITE} ${ARGN} -P ${SCRIPT}
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    set(rc "${rc}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect_content path expected)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "${path} is missing")
    endif()
    file(READ "${path}" actual)
    if(NOT actual STREQUAL expected)
        message(FATAL_ERROR "${path} holds '${actual}', expected '${expected}'")
    endif()
endfunction()

function(expect_query db expected)
    execute_process(COMMAND ${SQLITE} ${db} "SELECT x FROM t" OUTPUT_VARIABLE out
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT out STREQUAL expected)
        message(FATAL_ERROR "${db} answers '${out}', expected '${expected}'")
    endif()
endfunction()

# First build: everything arrives, the database is built from its SQL.
install_data()
expect_content("${dest}/CustList.txt" "shipped list\n")
expect_content("${dest}/sub/Nested.txt" "nested\n")
expect_query("${dest}/Test.db" "42")
if(EXISTS "${dest}/Test.sql")
    message(FATAL_ERROR "the SQL itself should not be copied")
endif()

# Second build after the program saved: nothing it wrote is replaced, a deleted file returns.
file(WRITE "${dest}/CustList.txt" "user list\n")
execute_process(COMMAND ${SQLITE} "${dest}/Test.db" "UPDATE t SET x = 7")
file(REMOVE "${dest}/sub/Nested.txt")
install_data()
expect_content("${dest}/CustList.txt" "user list\n")
expect_query("${dest}/Test.db" "7")
expect_content("${dest}/sub/Nested.txt" "nested\n")

# Reset: shipped files back, the changed ones kept beside them, unchanged ones left alone.
install_data(-DRESET=ON)
expect_content("${dest}/CustList.txt" "shipped list\n")
expect_query("${dest}/Test.db" "42")
file(GLOB kept RELATIVE "${dest}" "${dest}/CustList.txt.*.bak")
list(LENGTH kept keptCount)
if(NOT keptCount EQUAL 1)
    message(FATAL_ERROR "expected one kept copy of CustList.txt, found '${kept}'")
endif()
expect_content("${dest}/${kept}" "user list\n")
file(GLOB keptDb "${dest}/Test.db.*.bak")
expect_query("${keptDb}" "7")
file(GLOB keptNested "${dest}/sub/*.bak")
if(keptNested)
    message(FATAL_ERROR "an unchanged file was backed up: ${keptNested}")
endif()

# A broken SQL file fails the build and leaves no database, half-made or otherwise.
file(WRITE "${shipped}/Broken.sql" "CREATE TABLE u(x); this is not SQL;\n")
install_data()
if(rc EQUAL 0)
    message(FATAL_ERROR "a broken SQL file should fail the build")
endif()
if(NOT err MATCHES "Broken.sql")
    message(FATAL_ERROR "the failure should name the SQL file: ${err}")
endif()
file(GLOB leftovers "${dest}/Broken.db*")
if(leftovers)
    message(FATAL_ERROR "a failed database build left ${leftovers}")
endif()

file(REMOVE_RECURSE "${WORK}")
