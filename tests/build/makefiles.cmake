# cmake -DSOURCE=<checkout> -DBUILD=<folder> -DCOMPILER=<c++ compiler> -P makefiles.cmake
# Configures the checkout in <folder> with Makefiles, then builds the translation template and
# the frame-name library with two jobs. The folder is emptied first, so that every step runs on a
# clean tree, and removed when all went well.
file(REMOVE_RECURSE ${BUILD})

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}):\n${out}")
  endif()
endfunction()

run("configuring with Makefiles"
    ${CMAKE_COMMAND} -S ${SOURCE} -B ${BUILD} -G "Unix Makefiles" -DCMAKE_CXX_COMPILER=${COMPILER}
    -DCMAKE_BUILD_TYPE=Release)
run("building with Makefiles"
    ${CMAKE_COMMAND} --build ${BUILD} -j 2 --target translations vornash_lessons_core)
if(NOT EXISTS ${BUILD}/translations/vornash.ts)
  message(FATAL_ERROR "no translation template in ${BUILD}/translations")
endif()
file(REMOVE_RECURSE ${BUILD})
