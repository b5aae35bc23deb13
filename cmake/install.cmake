# Installed layout, the same as the build folder's:
#
#   <prefix>/lib/zb347rx/                  base folder: Version.ini, language/mysetup.ini
#   <prefix>/lib/zb347rx/V200/             program folder: the executables, Init/ templates,
#                                          PIC/ backgrounds, StartE.jpg and StartC.jpg
#   <prefix>/bin/zb347rx, zb347rx-cli, zb347rx-sim   symbolic links into the program folder
#   <prefix>/share/applications/org.zb347rx.ProgrammingSoftware.desktop
#   <prefix>/share/icons/hicolor/scalable/apps/zb347rx.svg
#
# The program finds its folders from its own resolved path, so the links in bin/ work. When the
# base folder is not writable (a system-wide install) the settings file is copied to the
# user's configuration folder on first use.

set(ZB_INSTALL_BASEDIR "lib/zb347rx" CACHE STRING
    "Base folder of the installed program, relative to the install prefix")
if(IS_ABSOLUTE "${ZB_INSTALL_BASEDIR}")
  message(FATAL_ERROR "ZB_INSTALL_BASEDIR must be relative to the install prefix")
endif()

# The program folder carries the current version's name.
file(STRINGS ${CMAKE_SOURCE_DIR}/data/Version.ini zb_current_version REGEX "^CurrentVersion=")
string(REGEX REPLACE "^CurrentVersion=([^\r]*).*" "\\1" zb_current_version "${zb_current_version}")
if(NOT zb_current_version)
  message(FATAL_ERROR "data/Version.ini names no CurrentVersion")
endif()
set(zb_program_dir ${ZB_INSTALL_BASEDIR}/${zb_current_version})

install(FILES ${CMAKE_SOURCE_DIR}/data/Version.ini DESTINATION ${ZB_INSTALL_BASEDIR})
# The pristine settings file, not the one the build folder's runs have changed.
install(FILES ${CMAKE_SOURCE_DIR}/data/language/mysetup.ini
        DESTINATION ${ZB_INSTALL_BASEDIR}/language)

set(zb_installed_programs)
foreach(program zb347rx zb347rx-cli zb347rx-sim)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${zb_program_dir})
    list(APPEND zb_installed_programs ${program})
  endif()
endforeach()

if(TARGET zb_templates)
  # Made at build time next to the executables.
  install(DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Init DESTINATION ${zb_program_dir})
endif()
if(TARGET zb347rx)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/PIC DESTINATION ${zb_program_dir})
  install(FILES ${CMAKE_SOURCE_DIR}/data/StartE.jpg ${CMAKE_SOURCE_DIR}/data/StartC.jpg
          DESTINATION ${zb_program_dir})
  install(FILES ${CMAKE_SOURCE_DIR}/data/zb347rx.desktop DESTINATION share/applications
          RENAME org.zb347rx.ProgrammingSoftware.desktop)
  install(FILES ${CMAKE_SOURCE_DIR}/data/icons/zb347rx.svg
          DESTINATION share/icons/hicolor/scalable/apps)
endif()

# bin/ links, relative so the installed tree can be moved as a whole.
file(RELATIVE_PATH zb_link_target /prefix/bin /prefix/${zb_program_dir})
foreach(program IN LISTS zb_installed_programs)
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/${program}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(REMOVE \"\${link}\")
    file(CREATE_LINK \"${zb_link_target}/${program}\" \"\${link}\" SYMBOLIC)
    message(STATUS \"Installing: \${link} -> ${zb_link_target}/${program}\")
  ")
endforeach()

# The installed layout as a test; deferred to the end of the top-level file, where testing is
# set up.
function(zb_add_install_test)
  if(BUILD_TESTING AND TARGET zb347rx-cli AND TARGET zb347rx-sim AND TARGET zb_templates)
    add_test(NAME install_layout
             COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                     -DPREFIX=${CMAKE_BINARY_DIR}/install-test -DBASEDIR=${ZB_INSTALL_BASEDIR}
                     -DVERSION=${zb_current_version} -DWITH_GUI=$<TARGET_EXISTS:zb347rx>
                     -P ${CMAKE_SOURCE_DIR}/cmake/install_test.cmake)
  endif()
endfunction()
cmake_language(DEFER CALL zb_add_install_test)
