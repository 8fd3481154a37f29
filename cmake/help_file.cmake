# Compiles the help file: the UTF-8 sources of resources/help are turned into
# Shift-JIS (HTML Help shows pages by their declared charset, and the help
# viewer of a Japanese Windows reads the contents and index files in the ANSI
# code page), then chmcmd builds the .chm.
# Needs SOURCE_DIR, STAGE_DIR, OUTPUT, CHMCMD, ICONV.
file(REMOVE_RECURSE ${STAGE_DIR})
file(MAKE_DIRECTORY ${STAGE_DIR})
file(GLOB texts ${SOURCE_DIR}/*.css ${SOURCE_DIR}/*.html ${SOURCE_DIR}/*.hhc ${SOURCE_DIR}/*.hhk ${SOURCE_DIR}/*.hhp)
foreach(source ${texts})
  get_filename_component(name ${source} NAME)
  file(READ ${source} text)
  string(REPLACE "charset=UTF-8" "charset=Shift_JIS" text "${text}")
  file(WRITE ${STAGE_DIR}/${name}.utf8 "${text}")
  execute_process(COMMAND ${ICONV} -f UTF-8 -t CP932 ${STAGE_DIR}/${name}.utf8
                  OUTPUT_FILE ${STAGE_DIR}/${name}
                  ERROR_VARIABLE iconv_error
                  RESULT_VARIABLE iconv_result)
  if(NOT iconv_result EQUAL 0)
    message(FATAL_ERROR "${name} has characters outside code page 932: ${iconv_error}")
  endif()
  file(REMOVE ${STAGE_DIR}/${name}.utf8)
endforeach()

execute_process(COMMAND ${CHMCMD} --no-html-scan Ombrix.hhp
                WORKING_DIRECTORY ${STAGE_DIR}
                OUTPUT_VARIABLE chm_output ERROR_VARIABLE chm_output
                RESULT_VARIABLE chm_result)
if(NOT chm_result EQUAL 0 OR NOT EXISTS ${STAGE_DIR}/Ombrix.chm)
  message(FATAL_ERROR "chmcmd failed:\n${chm_output}")
endif()
file(COPY_FILE ${STAGE_DIR}/Ombrix.chm ${OUTPUT})
