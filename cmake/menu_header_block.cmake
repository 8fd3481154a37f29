# Makes the menu-file header block resource: the UTF-8 text in Shift-JIS
# with CR LF line ends, which must come to exactly 448 bytes.
# cmake -DINPUT=<text> -DOUTPUT=<binary> -P menu_header_block.cmake
execute_process(COMMAND iconv -f UTF-8 -t CP932 ${INPUT}
                COMMAND sed "s/$/\r/"
                OUTPUT_FILE ${OUTPUT}.tmp
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE ${OUTPUT}.tmp)
  message(FATAL_ERROR "menu header block: iconv failed for ${INPUT}")
endif()
file(SIZE ${OUTPUT}.tmp size)
if(NOT size EQUAL 448)
  file(REMOVE ${OUTPUT}.tmp)
  message(FATAL_ERROR "menu header block: ${size} bytes instead of 448 from ${INPUT}")
endif()
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
