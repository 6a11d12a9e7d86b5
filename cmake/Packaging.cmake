# SPDX-License-Identifier: GPL-3.0-or-later
# What an installed TovrinCALC carries besides the programs and their data: the
# manual pages (gzipped, as Debian ships them), the licence in Debian's
# machine-readable copyright format, and the CPack settings behind
# `cpack -G DEB` in the build folder.

# Manual pages name the version and the configured data folder.
find_program(TOVRIN_GZIP gzip REQUIRED)
set(TOVRIN_MAN_PAGES tovrincalc-cli)
if(TOVRIN_BUILD_GUI)
  list(APPEND TOVRIN_MAN_PAGES tovrincalc)
endif()
set(TOVRIN_MAN_FILES)
foreach(page ${TOVRIN_MAN_PAGES})
  set(man ${CMAKE_BINARY_DIR}/man/${page}.1)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/man/${page}.1.in ${man} @ONLY)
  # -n leaves the name and time out of the archive, so that a rebuild gives the same bytes.
  add_custom_command(OUTPUT ${man}.gz
                     COMMAND ${TOVRIN_GZIP} -9 -n -k -f ${man}
                     DEPENDS ${man}
                     COMMENT "Compressing the manual page ${page}.1"
                     VERBATIM)
  list(APPEND TOVRIN_MAN_FILES ${man}.gz)
endforeach()
add_custom_target(tovrin_man_pages ALL DEPENDS ${TOVRIN_MAN_FILES})
install(FILES ${TOVRIN_MAN_FILES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tovrincalc)

# The Debian package. It installs under /usr as every Debian package does; the
# programs find their language files from their own folder wherever the build
# itself was configured to install.
set(CPACK_PACKAGE_NAME tovrincalc)
set(CPACK_PACKAGE_VENDOR "TovrinCALC developers")
set(CPACK_PACKAGE_CONTACT "TovrinCALC developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "higher mathematics calculator with step-by-step solutions")
# Debian wraps the long description at 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "TovrinCALC is an offline calculator for students of higher mathematics.
On six tabs it solves vector, matrix, triangle, tetrahedron, linear-system
(Cramer's rule) and quadratic-equation problems, and for each one writes a
step-by-step solution: the data, every formula with the numbers put in, the
intermediate values and the result. Texts are in Ukrainian, Russian or
English; a solution can be saved as a text file.

The package also holds tovrincalc-cli, which replays a scenario of user
actions against the same window logic without a display and prints the
resulting state as JSON.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
