# Assembles the distribution folder at build time, from whatever exists then:
#   cmake -DDIST_DIR=... -DSOURCE_DIR=<setup/dist> -DSETUP_EXE=... -DART_DIR=...
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

file(COPY_FILE ${SETUP_EXE} ${DIST_DIR}/setup.exe ONLY_IF_DIFFERENT)
file(READ ${SOURCE_DIR}/license.txt licence)
write_crlf("${licence}" ${DIST_DIR}/license.txt)

file(READ ${SOURCE_DIR}/setup.ini ini)
if(HELP_FILE AND EXISTS ${HELP_FILE})
    string(REPLACE "+QUENLOW.EXE;Quenlow;;\n" "+QUENLOW.EXE;Quenlow;;\n+QUENLOW.HLP;;\n" ini "${ini}")
endif()
write_crlf("${ini}" ${DIST_DIR}/setup.ini)

copy_optional("${ART_DIR}/setup.bmp" setup.bmp)
copy_optional("${ART_DIR}/setup.avi" setup.avi)
copy_optional("${GAME_EXE}" QUENLOW.EXE)
copy_optional("${HELP_FILE}" QUENLOW.HLP)
