# Most of what compiling one of our sources costs is reading Qt's headers. With VORNASH_PCH (on
# by default) vornash_shell, the lowest widget library, reads Qt Widgets once into a precompiled
# header, and the targets above it (the other widget libraries, the programs) and the tests of
# widget code are compiled with that same header. The widget-free libraries go without, so that
# nothing of Qt Widgets creeps into them.
#
# clang also takes the header into targets without Qt Widgets (the other tests, the artwork tool),
# which saves it about a third of a clean build; g++ refuses it there, with a warning, as they
# lack Qt Gui's or Qt Widgets' definitions, so with g++ they go without.
option(VORNASH_PCH "Read Qt's headers once per build through a precompiled header" ON)

# The program's libraries built on Qt Widgets.
set(VORNASH_WIDGET_LIBRARIES vornash_shell vornash_lessons vornash_problems vornash_jotter
    vornash_progress vornash_road)

# vornash_use_pch([WITHOUT_WIDGETS] <target>...): compile the targets with the header of Qt
# Widgets that vornash_shell makes; they must be compiled with the same options as vornash_shell.
# WITHOUT_WIDGETS: the targets do not use Qt Widgets (clang only).
function(vornash_use_pch)
  cmake_parse_arguments(P "WITHOUT_WIDGETS" "" "" ${ARGN})
  if(NOT VORNASH_PCH OR (P_WITHOUT_WIDGETS AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang"))
    return()
  endif()
  foreach(target ${P_UNPARSED_ARGUMENTS})
    if(NOT target STREQUAL "vornash_shell")
      target_precompile_headers(${target} REUSE_FROM vornash_shell)
    endif()
  endforeach()
endfunction()
