# Installs the build into a fresh prefix and runs the installed command-line program through
# its bin/ link: it must find the base folder's Version.ini and the program folder's templates.
#
#   cmake -DBUILD_DIR=... -DPREFIX=... -DBASEDIR=lib/zb347rx -DVERSION=V200 -DWITH_GUI=0|1
#         -P install_test.cmake

foreach(var BUILD_DIR PREFIX BASEDIR VERSION WITH_GUI)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} not given")
  endif()
endforeach()

function(fail text)
  message(FATAL_ERROR "install layout: ${text}")
endfunction()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  fail("cmake --install failed (${rc})")
endif()

set(base ${PREFIX}/${BASEDIR})
set(prog ${base}/${VERSION})
set(expected ${base}/Version.ini ${base}/language/mysetup.ini ${prog}/zb347rx-cli
             ${prog}/zb347rx-sim ${prog}/Init/ZB347_New.dat ${prog}/Init/ZB347_New.fre
             ${prog}/Init/ZB347.dat ${prog}/Init/ZB347.fre)
set(links zb347rx-cli zb347rx-sim)
if(WITH_GUI)
  list(APPEND expected ${prog}/zb347rx ${prog}/PIC/BK_1.jpg ${prog}/PIC/BK_2.jpg
       ${prog}/StartE.jpg ${prog}/StartC.jpg
       ${PREFIX}/share/applications/org.zb347rx.ProgrammingSoftware.desktop
       ${PREFIX}/share/icons/hicolor/scalable/apps/zb347rx.svg)
  list(APPEND links zb347rx)
endif()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${file})
    fail("missing ${file}")
  endif()
endforeach()
foreach(program IN LISTS links)
  if(NOT IS_SYMLINK ${PREFIX}/bin/${program})
    fail("bin/${program} is not a link")
  endif()
  file(REAL_PATH ${PREFIX}/bin/${program} target)
  file(REAL_PATH ${prog}/${program} real)
  if(NOT target STREQUAL real)
    fail("bin/${program} leads to ${target}, not ${real}")
  endif()
endforeach()

# Keep the user's own configuration folder out of it.
set(ENV{XDG_CONFIG_HOME} ${PREFIX}/config)
set(cli ${PREFIX}/bin/zb347rx-cli)
file(MAKE_DIRECTORY ${PREFIX}/work)
function(run_cli out_var)
  execute_process(COMMAND ${cli} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err WORKING_DIRECTORY ${PREFIX})
  if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
    fail("zb347rx-cli ${ARGN}: exit ${rc}, ${err}")
  endif()
  set(${out_var} "${out}" PARENT_SCOPE)
endfunction()

# A channel added to the installed new-document template shows that `new` reads the program
# folder's Init/; a clean `show` (no version question on stderr) that Version.ini was found.
run_cli(ignored edit ${prog}/Init/ZB347_New.dat --group 1 --channel 2 --field RxFreq
        --value 28.5)
run_cli(ignored new ${PREFIX}/work/a.dat)
run_cli(shown show ${PREFIX}/work/a.dat)
if(NOT shown MATCHES "version ${VERSION}")
  fail("the new document does not carry version ${VERSION}:\n${shown}")
endif()
if(NOT shown MATCHES "CH 2  RX 28.500000")
  fail("the new document was not made from the installed template:\n${shown}")
endif()

# A base folder that cannot be written (a system-wide install): the settings file goes to the
# user's folder. Root writes anyway, so only other users can check it.
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT uid STREQUAL "0")
  file(CHMOD ${base}/language/mysetup.ini PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
  file(CHMOD ${base}/language PERMISSIONS OWNER_READ OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                          WORLD_READ WORLD_EXECUTE)
  run_cli(ignored new ${PREFIX}/work/b.dat)
  file(CHMOD ${base}/language PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                          GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  if(NOT EXISTS ${PREFIX}/config/zb347rx/mysetup.ini)
    fail("a read-only base folder did not move the settings file to the user's folder")
  endif()
endif()
message(STATUS "install layout under ${PREFIX}: ok")
