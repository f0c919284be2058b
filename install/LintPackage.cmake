# Builds the Debian package from the build tree into a scratch folder and has
# lintian judge it: any error or warning fails.
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${CPACK} -G DEB -B ${SCRATCH} WORKING_DIRECTORY ${BUILD}
                RESULT_VARIABLE packed OUTPUT_VARIABLE packing ERROR_VARIABLE packing)
if(NOT packed EQUAL 0)
    message(FATAL_ERROR "the package could not be built:\n${packing}")
endif()
file(GLOB package ${SCRATCH}/*.deb)
execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${package}
                RESULT_VARIABLE judged OUTPUT_VARIABLE verdict ERROR_VARIABLE verdict)
if(NOT judged EQUAL 0)
    message(FATAL_ERROR "lintian finds fault with ${package}:\n${verdict}")
endif()
