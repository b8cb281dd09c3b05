# Compresses INPUT into OUTPUT as Debian wants documentation: best compression, and no name or
# time stamp in the header, so the same text always gives the same bytes.
find_program(GZIP gzip REQUIRED)
execute_process(COMMAND "${GZIP}" -9n -c INPUT_FILE "${INPUT}" OUTPUT_FILE "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "gzip of ${INPUT} failed: ${result}")
endif()
