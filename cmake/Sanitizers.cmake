# VORNASH_SANITIZE=ON builds the program's libraries, the program and every test with
# AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer (LeakSanitizer comes with
# AddressSanitizer on Linux). Any report ends the process with a failure: nothing recovers.
# The artwork tool is left as it is: it only draws pictures at build time, and drawing them
# under the sanitizers would cost CI time without checking the program. Its library links into
# its own tests, which are instrumented; uninstrumented code may be called from instrumented code.
#
# The run-time options (halt on the first report, leak checking, the suppressions file) are
# given by scripts/vornash.sh when it runs this build's tests.
option(VORNASH_SANITIZE "Build with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer" OFF)

if(VORNASH_SANITIZE)
  set(vornash_instrumented
      "$<NOT:$<STREQUAL:$<TARGET_PROPERTY:SOURCE_DIR>,${PROJECT_SOURCE_DIR}/artwork>>")
  foreach(flag -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options("$<${vornash_instrumented}:${flag}>")
  endforeach()
  add_link_options("$<${vornash_instrumented}:-fsanitize=address,undefined>")
endif()
