# The Debian package: `cpack -G DEB` in a build folder makes zb347rx_<version>_<arch>.deb with
# the installed layout of install.cmake under /usr, the udev rule for programming cables, and
# the Qt libraries it needs declared as dependencies.

install(FILES ${CMAKE_SOURCE_DIR}/data/udev/60-zb347rx-serial.rules DESTINATION lib/udev/rules.d)

set(CPACK_PACKAGE_NAME zb347rx)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programming software of the ZB_347RX 10-metre transceiver")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Reads, edits and writes the channels and settings of the ZB_347RX 10-metre amateur\n"
    "transceiver over its serial programming cable, keeps them in data files, and imports and\n"
    "exports channel lists as CSV. A udev rule gives the logged-in user access to the USB serial\n"
    "adapters of programming cables and keeps ModemManager away from them.")
set(CPACK_PACKAGE_CONTACT "ZB_347RX programming software maintainers <zb347rx@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # zb347rx_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
# Declared by hand so a build with sanitizers or another compiler declares the same; the
# platform plugin package is what lets a Qt program open a window at all.
set(zb_qt_min "6.4")
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6 (>= ${zb_qt_min}), libqt6gui6 (>= ${zb_qt_min}), "
    "libqt6widgets6 (>= ${zb_qt_min}), libqt6serialport6 (>= ${zb_qt_min}), "
    "libqt6multimedia6 (>= ${zb_qt_min}), qt6-qpa-plugins")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei")
set(CPACK_STRIP_FILES OFF)
include(CPack)

# The package as a test: build it from this build folder and check its files and dependencies.
function(zb_add_package_test)
  find_program(ZB_DPKG_DEB dpkg-deb)
  if(BUILD_TESTING AND ZB_DPKG_DEB AND TARGET zb347rx AND TARGET zb347rx-cli AND TARGET zb_templates)
    add_test(NAME debian_package
             COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                     -DOUT_DIR=${CMAKE_BINARY_DIR}/package-test -DVERSION=${PROJECT_VERSION}
                     -DPROGRAM_DIR=${ZB_INSTALL_BASEDIR}/${zb_current_version}
                     -DBASE_DIR=${ZB_INSTALL_BASEDIR} -DCPACK=${CMAKE_CPACK_COMMAND}
                     -P ${CMAKE_SOURCE_DIR}/cmake/package_test.cmake)
  endif()
endfunction()
cmake_language(DEFER CALL zb_add_package_test)
