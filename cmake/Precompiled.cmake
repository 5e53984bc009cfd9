# Nearly every file of the program and of its tests starts by reading Qt's headers, and reading
# them is most of what compiling such a file costs. With VORNASH_PCH (on by default) the build
# reads them once, into precompiled headers that the targets share: one of Qt Widgets for the
# program's widget code, one of Qt Core and Qt Gui for its widget-free parts (picture reading,
# frame names, problems and answers, the pen), which stay free of widgets.
#
# Targets that share a header must be compiled with the same options: the artwork tool, which
# the sanitizer build leaves uninstrumented, has its own (see artwork/CMakeLists.txt).
option(VORNASH_PCH "Read Qt's headers once per build through precompiled headers" ON)

# The program's libraries built on Qt Widgets.
set(VORNASH_WIDGET_LIBRARIES vornash_shell vornash_lessons vornash_problems vornash_jotter vornash_road)

if(VORNASH_PCH)
  file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/pch/vornash_pch.cpp CONTENT "" @ONLY)
  add_library(vornash_pch OBJECT ${CMAKE_BINARY_DIR}/pch/vornash_pch.cpp)
  target_link_libraries(vornash_pch PRIVATE Qt6::Widgets)
  target_precompile_headers(vornash_pch PRIVATE <QtWidgets/QtWidgets>)
  # Built with Qt Core's definitions alone, so that it serves targets with or without Qt Gui.
  add_library(vornash_pch_gui OBJECT ${CMAKE_BINARY_DIR}/pch/vornash_pch.cpp)
  target_link_libraries(vornash_pch_gui PRIVATE Qt6::Core)
  target_include_directories(vornash_pch_gui SYSTEM PRIVATE
                             $<TARGET_PROPERTY:Qt6::Gui,INTERFACE_INCLUDE_DIRECTORIES>)
  target_precompile_headers(vornash_pch_gui PRIVATE <QtCore/QtCore> <QtGui/QtGui>)
  set_target_properties(vornash_pch vornash_pch_gui PROPERTIES AUTOMOC OFF)
endif()

# vornash_use_pch(WIDGETS|GUI <target>...): compile the targets with the shared header of
# Qt Widgets, or with the one of Qt Core and Gui.
function(vornash_use_pch kind)
  if(VORNASH_PCH)
    set(owner vornash_pch_gui)
    if(kind STREQUAL "WIDGETS")
      set(owner vornash_pch)
    endif()
    foreach(target ${ARGN})
      target_precompile_headers(${target} REUSE_FROM ${owner})
    endforeach()
  endif()
endfunction()
