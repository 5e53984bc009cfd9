# Nearly every file of the program and of its tests starts by reading Qt Widgets' headers, and
# reading them is most of what compiling such a file costs. With VORNASH_PCH (on by default) the
# build reads them once, into a precompiled header that every widget target shares.
#
# Targets that share it must be compiled with the same options: the artwork tool, which the
# sanitizer build leaves uninstrumented, has its own (see artwork/CMakeLists.txt).
option(VORNASH_PCH "Read Qt's headers once per build through a precompiled header" ON)

if(VORNASH_PCH)
  file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/pch/vornash_pch.cpp CONTENT "" @ONLY)
  add_library(vornash_pch OBJECT ${CMAKE_BINARY_DIR}/pch/vornash_pch.cpp)
  target_link_libraries(vornash_pch PRIVATE Qt6::Widgets)
  set_target_properties(vornash_pch PROPERTIES AUTOMOC OFF)
  target_precompile_headers(vornash_pch PRIVATE <QtWidgets/QtWidgets>)
endif()

# The program's libraries built on Qt Widgets. The widget-free parts (picture reading, frame
# names, problems and answers, the pen) and their tests compile without the shared header: they
# stay free of widgets, and g++ would refuse a header read with Qt Widgets' definitions anyway.
set(VORNASH_WIDGET_LIBRARIES vornash_shell vornash_lessons vornash_problems vornash_jotter vornash_road)

# vornash_use_pch(<target>...): compile the targets with the shared precompiled header.
function(vornash_use_pch)
  if(VORNASH_PCH)
    foreach(target ${ARGN})
      target_precompile_headers(${target} REUSE_FROM vornash_pch)
    endforeach()
  endif()
endfunction()
