# The Debian package of `make deb`: CPack's DEB generator over the same install rules as
# `make install`, so the package holds exactly what an installation holds. Dependencies are
# computed from the binaries by dpkg-shlibdeps.

# Debian's documentation files: the copyright and the (native package's) changelog, compressed.
set(_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/orvane-calculator)
set(_changelog ${CMAKE_BINARY_DIR}/deb/changelog.gz)
add_custom_command(OUTPUT ${_changelog}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/deb
                   COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/cmake/deb/changelog > ${_changelog}
                   DEPENDS ${CMAKE_SOURCE_DIR}/cmake/deb/changelog VERBATIM)
add_custom_target(orvane_deb_changelog ALL DEPENDS ${_changelog})
install(FILES ${CMAKE_SOURCE_DIR}/cmake/deb/copyright ${_changelog}
        DESTINATION ${_doc_dir} COMPONENT desktop)

# The two modules may call no C library function themselves, so --as-needed could leave libc
# out of their needed libraries; Debian expects every shared object to name it.
if(ORVANE_GUI)
  foreach(module orvane_voice_output orvane_schedule_module)
    target_link_options(${module} PRIVATE "LINKER:--push-state,--no-as-needed,-lc,--pop-state")
  endforeach()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane-calculator)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_CONTACT "Orvane <maintainers@orvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keypad, expression and mortgage calculator")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://orvane.example/calculator)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the binaries load at run time rather than link: the fonts of the Chinese texts and
# the digits, the Qt platform plugins, Qt's own Chinese texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-wqy-microhei, fonts-liberation, qt6-qpa-plugins, qt6-translations-l10n")
# The extended description; the summary above is its first line.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
       "A small always-on-top calculator with a Chinese user interface. It offers a\n"
       "keypad calculator with exact decimal arithmetic, memory, grand total, rounding\n"
       "and spoken key feedback, an expression calculator, and a mortgage calculator\n"
       "for equal instalments and equal principal. The keypad window docks at the\n"
       "screen edge and can capture numbers from the clipboard.\n"
       "\n"
       "orvane-cli runs the same calculators in a terminal.")
include(CPack)
