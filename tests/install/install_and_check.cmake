# Installs the build into a fresh prefix, puts the checker beside the installed program and
# runs it from outside the build.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed: ${rc}")
endif()
foreach(f bin/vornash share/applications/vornash.desktop share/metainfo/org.vornash.Vornash.metainfo.xml
          share/icons/hicolor/48x48/apps/vornash.png share/vornash/Images/exit.jpg)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(COPY ${CHECK} DESTINATION ${PREFIX}/bin)
get_filename_component(name ${CHECK} NAME)
execute_process(COMMAND ${PREFIX}/bin/${name} WORKING_DIRECTORY / RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "installed program check failed")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net
                  ${PREFIX}/share/metainfo/org.vornash.Vornash.metainfo.xml RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "AppStream metadata not valid")
  endif()
endif()
