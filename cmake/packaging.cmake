# What a package holds besides the programs and how it is built: the manual
# pages, licence and changelog, then a Debian package (cpack -G DEB) on Linux
# or a zip of the programs (cpack -G ZIP) on Windows.
include(GNUInstallDirs)

set(KORVO_PACKAGE_MAINTAINER "korvocalc developers <maintainers@korvocalc.github.io>"
    CACHE STRING "Maintainer field of the Debian package")
set(KORVO_ISSUES_URL https://github.com/korvocalc/korvocalc/issues)

set(CPACK_PACKAGE_NAME korvocalc)
set(CPACK_PACKAGE_VENDOR "korvocalc developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Scientific calculator with a four-base readout")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

if(WIN32)
  # The zip holds the programs, a README for Windows users and the licence
  # side by side, named so that Windows opens them with a double click.
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/windows-readme.txt DESTINATION . RENAME README.txt)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(KORVO_WINDOWS_ARCH win64)
  else()
    set(KORVO_WINDOWS_ARCH win32)
  endif()
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME korvocalc-${PROJECT_VERSION}-${KORVO_WINDOWS_ARCH})
  include(CPack)
  return()
endif()

# Debian wants the manual pages and the changelog compressed without a time
# stamp (gzip -n), so that the package is the same whenever it is built.
find_program(KORVO_GZIP gzip REQUIRED)
set(KORVO_PAGES korvocalc-cli)
if(TARGET korvocalc)
  list(APPEND KORVO_PAGES korvocalc)
endif()
set(KORVO_PACKED "")
foreach(page ${KORVO_PAGES})
  set(packed ${PROJECT_BINARY_DIR}/man/${page}.1.gz)
  add_custom_command(OUTPUT ${packed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND ${KORVO_GZIP} -9nc ${PROJECT_SOURCE_DIR}/man/${page}.1 > ${packed}
    DEPENDS ${PROJECT_SOURCE_DIR}/man/${page}.1 VERBATIM)
  install(FILES ${packed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  list(APPEND KORVO_PACKED ${packed})
endforeach()
set(packed ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${packed}
  COMMAND ${KORVO_GZIP} -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog > ${packed}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog VERBATIM)
list(APPEND KORVO_PACKED ${packed})
add_custom_target(korvo-packed-docs ALL DEPENDS ${KORVO_PACKED})
install(FILES ${packed} ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_CONTACT "${KORVO_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL ${KORVO_ISSUES_URL})
# The extended description; cpack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "korvocalc is a small, keyboard-driven scientific calculator for programmers
and engineers. Its window shows the current number in decimal, hexadecimal,
octal and binary at once.

In integer mode the four operations, percent, squares, reciprocals and whole
powers are exact fixed-point arithmetic with a 128-bit integer part and up to
19 fraction digits, in any of the four bases. In floating-point mode they use
the x87 80-bit extended reals. Trigonometric functions and their inverses,
logarithms, powers, square root, hypotenuse and a memory register work in both
modes.

korvocalc-cli is the same calculator without a window, for scripts and tests:
it takes key tokens and prints the window's state as text or JSON.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The xcb platform plugin and the metric twin of Courier New are not found
# by the library scan; Wayland-only sessions need Qt's Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_STRIP_FILES ON)
# strip keeps the compiler's .comment notes; the package does not need them.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/strip-comments.cmake)
include(CPack)
