# Installs the build into a fresh prefix, puts the checker beside the installed program and
# runs it from outside the build.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed: ${rc}")
endif()
foreach(f bin/vornash share/applications/vornash.desktop share/metainfo/org.vornash.Vornash.metainfo.xml
          share/icons/hicolor/48x48/apps/vornash.png share/vornash/Images/exit.jpg
          share/doc/vornash/copyright share/man/man1/vornash.1.gz share/vornash/classroom.sql
          share/vornash/translations/vornash_de.qm share/vornash/translations/vornash_fr.qm
          share/vornash/translations/vornash_es.qm)
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

# The desktop entry passes the freedesktop checker without a word; the copyright file is in
# Debian's machine-readable format; the manual page describes every option --help lists and
# renders without warnings.
execute_process(COMMAND desktop-file-validate ${PREFIX}/share/applications/vornash.desktop
                RESULT_VARIABLE rc OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT rc EQUAL 0 OR NOT said STREQUAL "")
  message(FATAL_ERROR "desktop entry not clean (${rc}): ${said}")
endif()
file(STRINGS ${PREFIX}/share/doc/vornash/copyright first LIMIT_COUNT 1)
if(NOT first MATCHES "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/")
  message(FATAL_ERROR "copyright file is not machine-readable: ${first}")
endif()
execute_process(COMMAND gzip -dc ${PREFIX}/share/man/man1/vornash.1.gz OUTPUT_VARIABLE manual RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "manual page does not unpack")
endif()
execute_process(COMMAND ${PREFIX}/bin/vornash --help OUTPUT_VARIABLE help RESULT_VARIABLE rc)
string(REGEX MATCHALL "--[a-z-]+" options "${help}")
if(NOT rc EQUAL 0 OR options STREQUAL "")
  message(FATAL_ERROR "--help answered ${rc}: ${help}")
endif()
string(REPLACE "\\-" "-" manual "${manual}")
foreach(option ${options})
  string(FIND "${manual}" "${option}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the manual page does not describe ${option}")
  endif()
endforeach()
execute_process(COMMAND man --warnings -E UTF-8 -l -Tutf8 -Z ${PREFIX}/share/man/man1/vornash.1.gz
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE said)
if(NOT rc EQUAL 0 OR NOT said STREQUAL "")
  message(FATAL_ERROR "manual page does not render cleanly (${rc}): ${said}")
endif()
