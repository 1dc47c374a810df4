# Compiles one locale into a folder of the build: cmake -DNAME=cs_CZ -DCHARMAP=UTF-8 -DOUT=<dir> -P
# A missing definition (the Debian package "locales" not installed) leaves the folder out with a
# warning; the tests that need the locale then fail and say so.
execute_process(COMMAND localedef -i ${NAME} -f ${CHARMAP} ${OUT}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT EXISTS ${OUT}/LC_NUMERIC)
    message(WARNING "The locale ${NAME}.${CHARMAP} could not be compiled into ${OUT} (localedef: ${rc} ${err}); "
                    "install the Debian package locales (scripts/test does).")
endif()
