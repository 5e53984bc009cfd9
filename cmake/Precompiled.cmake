# Most of what compiling one of our sources costs is reading Qt's headers. With VORNASH_PCH (on
# by default) vornash_shell, the lowest widget library, reads Qt Widgets once into a precompiled
# header, and the targets above it (the other widget libraries, the programs) and every test are
# compiled with that same header. The widget-free libraries go without, so that nothing of Qt
# Widgets can creep into them, and so does the artwork tool, which the sanitizer build compiles
# with other options.
option(VORNASH_PCH "Read Qt's headers once per build through a precompiled header" ON)

# The program's libraries built on Qt Widgets.
set(VORNASH_WIDGET_LIBRARIES vornash_shell vornash_lessons vornash_problems vornash_jotter vornash_road)

# vornash_use_pch(<target>...): compile the targets with the header of Qt Widgets that
# vornash_shell makes; they must be compiled with the same options as vornash_shell.
function(vornash_use_pch)
  if(VORNASH_PCH)
    foreach(target ${ARGN})
      if(NOT target STREQUAL "vornash_shell")
        target_precompile_headers(${target} REUSE_FROM vornash_shell)
      endif()
    endforeach()
  endif()
endfunction()
