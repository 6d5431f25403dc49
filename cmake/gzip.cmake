# cmake -DIN=file -DOUT=file.gz -P gzip.cmake: compresses the way Debian wants manual pages and
# changelogs (best compression, no name or time stamp in the header, so builds are reproducible).
find_program(GZIP gzip REQUIRED)
execute_process(COMMAND ${GZIP} -9nc INPUT_FILE ${IN} OUTPUT_FILE ${OUT}.part
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "gzip failed on ${IN}")
endif()
file(RENAME ${OUT}.part ${OUT})
