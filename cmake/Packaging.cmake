# Installation and the Debian package. Included by the top-level CMakeLists.txt after
# every target exists: the installed tree is the build tree's layout (bin/, the library
# directory, include/evaluator/, share/), so the run paths the binaries carry hold there.

# Every shared library the build makes for users is installed: the tree is walked for
# shared and module library targets, leaving out the folders of tests, benchmarks and
# fuzzers (their modules are test fixtures). libevaluator is installed by host/, with
# the CMake package's export set.
function(inspectors_installed_libraries out directory)
  set(found "")
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(SHARED|MODULE)_LIBRARY$" AND NOT target STREQUAL "evaluator")
      list(APPEND found ${target})
    endif()
  endforeach()
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory ${subdirectories})
    file(RELATIVE_PATH relative ${INSPECTORS_ROOT} ${subdirectory})
    if(relative MATCHES "^(tests|bench|fuzz)(/|$)")
      continue()
    endif()
    inspectors_installed_libraries(below ${subdirectory})
    list(APPEND found ${below})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

inspectors_installed_libraries(INSPECTORS_INSTALLED_LIBRARIES ${INSPECTORS_ROOT})
install(TARGETS ${INSPECTORS_INSTALLED_LIBRARIES}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})

# pkg-config: the prefix is found from the .pc file's own place, so that the file holds
# wherever the tree is unpacked (a staging root, DESTDIR, another prefix).
file(RELATIVE_PATH INSPECTORS_PKGCONFIG_TO_PREFIX
     ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" INSPECTORS_PKGCONFIG_TO_PREFIX "${INSPECTORS_PKGCONFIG_TO_PREFIX}")
configure_file(${INSPECTORS_ROOT}/packaging/evaluator.pc.in
               ${PROJECT_BINARY_DIR}/evaluator.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/evaluator.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The manual page (cmake/Documentation.cmake) and the bash completion.
install(FILES ${PROJECT_BINARY_DIR}/inspect.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${INSPECTORS_ROOT}/packaging/inspect.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME inspect)
install(FILES ${INSPECTORS_ROOT}/docs/reference.md ${INSPECTORS_ROOT}/docs/inspect.md
              ${INSPECTORS_ROOT}/docs/fleet.md ${INSPECTORS_ROOT}/docs/inspect-output.schema.json
              ${INSPECTORS_ROOT}/packaging/ansible/run-query.yml
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The scheduled runs of a query file (docs/fleet.md); the service runs /usr/bin/inspect.
install(FILES ${INSPECTORS_ROOT}/packaging/systemd/inspect-query@.service
              ${INSPECTORS_ROOT}/packaging/systemd/inspect-query@.timer
        DESTINATION lib/systemd/system)

# The Debian package: everything above, in one package, with the shared libraries it
# links declared as dependencies by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME inspectors)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Inspectors maintainers <maintainers@inspectors.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "answers queries about the machine with the phrases of an inspector library")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "The inspect command evaluates English-like queries about files, addresses,
versions, times and the system with the phrases that libinspectors.so registers
in libevaluator. The package also holds the headers, the CMake package and the
pkg-config file for programs that embed the evaluator.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Opened on first use rather than linked, so dpkg-shlibdeps cannot see them: the LDAP
# client, the property-list reader, libcrypto and line editing.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libldap-2.5-0, libplist3, libssl3, libedit2")
# The package's own libraries satisfy each other: dpkg-shlibdeps looks for them in the
# build's library directory and declares nothing for them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_LIBRARY_OUTPUT_DIRECTORY})
# The maintainer scripts refresh the loader's cache, also when dpkg installs into
# another root (they are written for chrootless runs: see packaging/debian/).
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${INSPECTORS_ROOT}/packaging/debian/postinst ${INSPECTORS_ROOT}/packaging/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
include(CPack)
