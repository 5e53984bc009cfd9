# Makes the Debian package of the build into a folder of its own and checks that it carries
# the copyright file and the compressed manual page where Debian's tools look for them.
file(REMOVE_RECURSE ${OUT})
# Quick compression, and no reckoning of the libraries the program needs (dpkg-shlibdeps takes
# some 45 s of the minute the package takes otherwise): the test is about the files it holds.
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} --config ${BUILD}/CPackConfig.cmake -B ${OUT}
                        -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip -D CPACK_DEBIAN_PACKAGE_SHLIBDEPS=OFF
                RESULT_VARIABLE rc OUTPUT_VARIABLE said ERROR_VARIABLE said)
file(GLOB debs ${OUT}/*.deb)
list(LENGTH debs count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made ${count} packages (${rc}): ${said}")
endif()
# Named with the version the program and its menu show.
get_filename_component(deb_name ${debs} NAME)
if(NOT deb_name MATCHES "^vornash_${VERSION}_")
  message(FATAL_ERROR "the package ${deb_name} does not carry the version ${VERSION}")
endif()
execute_process(COMMAND dpkg-deb --contents ${debs} OUTPUT_VARIABLE contents RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb cannot read ${debs}")
endif()
foreach(f ./usr/share/doc/vornash/copyright ./usr/share/man/man1/vornash.1.gz
          ./usr/share/applications/vornash.desktop)
  string(FIND "${contents}" " ${f}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "not in the package: ${f}")
  endif()
endforeach()
file(REMOVE_RECURSE ${OUT})
