# vornash_test_moc(<target>): each test declares its class in its own source and includes
# "<source>.moc" at the end. moc needs nothing but that file, so it runs on it alone: through
# AUTOMOC it was handed every include folder and spent half a second per test reading Qt's headers.
function(vornash_test_moc target)
  set_target_properties(${target} PROPERTIES AUTOMOC OFF)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_moc)
  get_target_property(sources ${target} SOURCES)
  foreach(src IN LISTS sources)
    if(src MATCHES "\\.cpp$")
      get_filename_component(stem ${src} NAME_WE)
      get_filename_component(path ${src} ABSOLUTE)
      add_custom_command(OUTPUT ${dir}/${stem}.moc
        COMMAND Qt6::moc -DQT_NO_KEYWORDS -o ${dir}/${stem}.moc ${path}
        DEPENDS ${path} Qt6::moc
        COMMENT "moc ${stem}.cpp" VERBATIM)
      target_sources(${target} PRIVATE ${dir}/${stem}.moc)
    endif()
  endforeach()
  target_include_directories(${target} PRIVATE ${dir})
endfunction()

# vornash_add_test(<name> SOURCES ... LIBS ... [GUI])
# Registers a Qt Test executable with CTest under "<group>-<name>", where the group is the
# folder below tests/ (shell, lessons, problems, jotter, artwork), so `ctest -R ^shell-` runs one group.
# GUI tests run on the offscreen platform with a 1024x768 screen unless the test sets its own.
function(vornash_add_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  get_filename_component(group ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(target test_${group}_${name})
  add_executable(${target} ${T_SOURCES})
  target_link_libraries(${target} PRIVATE Qt6::Test ${T_LIBS})
  set(kind GUI)
  foreach(lib ${T_LIBS})
    if(lib IN_LIST VORNASH_WIDGET_LIBRARIES)
      set(kind WIDGETS)
    endif()
  endforeach()
  vornash_use_pch(${kind} ${target})
  vornash_test_moc(${target})
  add_test(NAME ${group}-${name} COMMAND ${target})
  set(env "LC_ALL=C.UTF-8")
  if(T_GUI)
    list(APPEND env "QT_QPA_PLATFORM=offscreen:configfile=${PROJECT_SOURCE_DIR}/tests/screen1024.json")
  else()
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  set_tests_properties(${group}-${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
  if(TARGET artwork)
    add_dependencies(${target} artwork)
  endif()
endfunction()
