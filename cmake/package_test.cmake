# Builds the Debian package from a build folder and checks its name, its file list, its
# declared dependencies, the desktop entry and the udev rule.
#
#   cmake -DBUILD_DIR=... -DOUT_DIR=... -DVERSION=2.0.0 -DBASE_DIR=lib/zb347rx
#         -DPROGRAM_DIR=lib/zb347rx/V200 -DCPACK=/usr/bin/cpack -P package_test.cmake

foreach(var BUILD_DIR OUT_DIR VERSION BASE_DIR PROGRAM_DIR CPACK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} not given")
  endif()
endforeach()

function(fail text)
  message(FATAL_ERROR "debian package: ${text}")
endfunction()

file(REMOVE_RECURSE ${OUT_DIR})
# zstd instead of the package's gzip halves the time on a test build's large binaries; the
# contents are the same.
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT_DIR}
                        -D CPACK_DEBIAN_COMPRESSION_TYPE=zstd
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  fail("cpack failed (${rc}):\n${out}\n${err}")
endif()
file(GLOB debs ${OUT_DIR}/zb347rx_${VERSION}_*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  file(GLOB made ${OUT_DIR}/*.deb)
  fail("expected one zb347rx_${VERSION}_<arch>.deb, found: ${made}")
endif()

execute_process(COMMAND dpkg-deb -c ${debs} RESULT_VARIABLE rc OUTPUT_VARIABLE listing)
if(NOT rc EQUAL 0)
  fail("dpkg-deb -c failed")
endif()
set(base ./usr/${BASE_DIR})
set(prog ./usr/${PROGRAM_DIR})
foreach(file ${prog}/zb347rx ${prog}/zb347rx-cli ${prog}/zb347rx-sim ${prog}/Init/ZB347_New.dat
             ${prog}/Init/ZB347_New.fre ${prog}/Init/ZB347.dat ${prog}/Init/ZB347.fre
             ${prog}/PIC/BK_1.jpg ${prog}/PIC/BK_2.jpg ${prog}/StartE.jpg ${prog}/StartC.jpg
             ${base}/Version.ini ${base}/language/mysetup.ini
             ./usr/share/applications/org.zb347rx.ProgrammingSoftware.desktop
             ./usr/share/icons/hicolor/scalable/apps/zb347rx.svg
             ./usr/lib/udev/rules.d/60-zb347rx-serial.rules)
  string(FIND "${listing}" " ${file}\n" at)
  if(at EQUAL -1)
    fail("${file} is not in the package:\n${listing}")
  endif()
endforeach()
foreach(program zb347rx zb347rx-cli zb347rx-sim)
  string(FIND "${listing}" " ./usr/bin/${program} -> ../${PROGRAM_DIR}/${program}\n" at)
  if(at EQUAL -1)
    fail("./usr/bin/${program} is no link into the program folder:\n${listing}")
  endif()
endforeach()
if(listing MATCHES "(core_tests|qt_tests|install-test|package-test)")
  fail("test files in the package: ${CMAKE_MATCH_1}")
endif()

execute_process(COMMAND dpkg-deb -f ${debs} Package Version Depends Description OUTPUT_VARIABLE fields)
foreach(expected "Package: zb347rx" "Version: ${VERSION}" "libqt6core6 (>= 6.4)" "libqt6gui6 (>= 6.4)"
                 "libqt6widgets6 (>= 6.4)" "libqt6serialport6 (>= 6.4)" "libqt6multimedia6 (>= 6.4)"
                 "qt6-qpa-plugins" "\n transceiver over its serial programming cable")
  string(FIND "${fields}" "${expected}" at)
  if(at EQUAL -1)
    fail("'${expected}' is not declared:\n${fields}")
  endif()
endforeach()

set(tree ${OUT_DIR}/tree)
execute_process(COMMAND dpkg-deb -x ${debs} ${tree} RESULT_VARIABLE rc)
file(READ ${tree}/usr/share/applications/org.zb347rx.ProgrammingSoftware.desktop desktop)
if(NOT desktop MATCHES "\nExec=zb347rx %f\n")
  fail("the desktop entry does not pass the file to the program:\n${desktop}")
endif()
file(STRINGS ${tree}/usr/lib/udev/rules.d/60-zb347rx-serial.rules rules REGEX "^SUBSYSTEM")
foreach(vendor 0403 067b 1a86 10c4)
  set(found FALSE)
  foreach(rule IN LISTS rules)
    if(rule MATCHES "ATTRS{idVendor}==\"${vendor}\"" AND rule MATCHES "TAG\\+=\"uaccess\""
       AND rule MATCHES "ENV{ID_MM_DEVICE_IGNORE}=\"1\"")
      set(found TRUE)
    endif()
  endforeach()
  if(NOT found)
    fail("no uaccess rule that keeps ModemManager away for vendor ${vendor}")
  endif()
endforeach()
message(STATUS "debian package ${debs}: ok")
