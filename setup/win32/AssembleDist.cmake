# Assembles the distribution folder at build time, from whatever exists then:
#   cmake -DDIST_DIR=... -DSOURCE_DIR=<setup/dist> -DSTRIP=... -DSETUP_EXE=... -DART_DIR=...
#         [-DGAME_EXE=...] [-DHELP_FILE=...] -P AssembleDist.cmake
# Text files get CR LF line ends: a multi-line edit control shows LF-only text as one line.
file(MAKE_DIRECTORY ${DIST_DIR})

function(write_crlf TEXT TARGET)
    string(REPLACE "\r\n" "\n" text "${TEXT}")
    string(REPLACE "\n" "\r\n" text "${text}")
    set(old "")
    if(EXISTS ${TARGET})
        file(READ ${TARGET} old)
    endif()
    if(NOT old STREQUAL text)
        file(WRITE ${TARGET} "${text}")
    endif()
endfunction()

# Copies the file when it exists, and otherwise removes a stale copy.
function(copy_optional SOURCE NAME)
    if(SOURCE AND EXISTS ${SOURCE})
        file(COPY_FILE ${SOURCE} ${DIST_DIR}/${NAME} ONLY_IF_DIFFERENT)
    else()
        file(REMOVE ${DIST_DIR}/${NAME})
    endif()
endfunction()

# A program goes in without its symbols. The strip tool dates what it writes unless told a
# date: 0, as the linker leaves it, so that the same program gives the same bytes.
function(copy_stripped SOURCE NAME)
    get_filename_component(build_dir ${DIST_DIR} DIRECTORY)
    set(stripped ${build_dir}/${NAME}.stripped)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0
                            ${STRIP} --strip-all -o ${stripped} ${SOURCE}
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "Cannot strip ${SOURCE}")
    endif()
    file(COPY_FILE ${stripped} ${DIST_DIR}/${NAME} ONLY_IF_DIFFERENT)
    file(REMOVE ${stripped})
endfunction()

copy_stripped(${SETUP_EXE} setup.exe)
file(READ ${SOURCE_DIR}/license.txt licence)
write_crlf("${licence}" ${DIST_DIR}/license.txt)

file(READ ${SOURCE_DIR}/setup.ini ini)
if(HELP_FILE AND EXISTS ${HELP_FILE})
    string(REPLACE "+QUENLOW.EXE;Quenlow;;\n" "+QUENLOW.EXE;Quenlow;;\n+QUENLOW.HLP;;\n" ini "${ini}")
endif()
write_crlf("${ini}" ${DIST_DIR}/setup.ini)

copy_optional("${ART_DIR}/setup.bmp" setup.bmp)
copy_optional("${ART_DIR}/setup.avi" setup.avi)
if(GAME_EXE)
    copy_stripped(${GAME_EXE} QUENLOW.EXE)
else()
    file(REMOVE ${DIST_DIR}/QUENLOW.EXE)
endif()
copy_optional("${HELP_FILE}" QUENLOW.HLP)
