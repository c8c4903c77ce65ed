# Writes a 32 by 32, 16-colour icon (a white frame round a blue square) to ICON_FILE, for a
# build that has no generated artwork yet.
function(write_placeholder_icon ICON_FILE)
    # Directory, one entry of 744 bytes at offset 22, the bitmap header (height doubled for the
    # mask) and the sixteen standard colours.
    set(hex "0000010001002020100001000400E802000016000000")
    string(APPEND hex "2800000020000000400000000100040000000000000000000000000000000000")
    string(APPEND hex "0000000000000000")
    string(APPEND hex "00000000000080000080000000808000800000008000800080800000C0C0C000")
    string(APPEND hex "808080000000FF0000FF000000FFFF00FF000000FF00FF00FFFF0000FFFFFF00")
    string(REPEAT "CC" 14 inner)
    set(edge_row "")
    string(REPEAT "FF" 16 edge_row)
    set(middle_row "FC${inner}CF")
    string(REPEAT "${middle_row}" 30 middle_rows)
    string(APPEND hex "${edge_row}${middle_rows}${edge_row}")
    string(REPEAT "00" 128 mask)
    string(APPEND hex "${mask}")
    string(REGEX REPLACE "(..)" "\\\\x\\1" escaped "${hex}")
    find_program(PRINTF_PROGRAM printf REQUIRED)
    execute_process(COMMAND ${PRINTF_PROGRAM} "${escaped}" OUTPUT_FILE ${ICON_FILE}
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "Cannot write the placeholder icon ${ICON_FILE}")
    endif()
endfunction()
