# The Debian package. In a release build folder, `cpack -G DEB` makes mealwright_<version>_amd64.deb with
# both programs and the desktop integration (installed by src/app), the help pages and the manual pages.
# scripts/check-package.sh builds it and checks what it holds.
include(GNUInstallDirs)

# The manual pages with the project's version, gzipped as Debian keeps them.
set(MEALWRIGHT_MAN_PAGES)
foreach(page mealwright mealwright-cli)
    set(plain ${PROJECT_BINARY_DIR}/man/${page}.1)
    configure_file(${PROJECT_SOURCE_DIR}/docs/man/${page}.1 ${plain} @ONLY)
    add_custom_command(OUTPUT ${plain}.gz
                       COMMAND gzip -9 -n -k -f ${plain}
                       DEPENDS ${plain}
                       COMMENT "Compressing the manual page ${page}(1)"
                       VERBATIM)
    list(APPEND MEALWRIGHT_MAN_PAGES ${plain}.gz)
endforeach()
add_custom_target(mealwright_man_pages ALL DEPENDS ${MEALWRIGHT_MAN_PAGES})
install(FILES ${MEALWRIGHT_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The help pages are compiled into the program; a copy to read in a browser or with the package.
set(MEALWRIGHT_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/mealwright)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/ DESTINATION ${MEALWRIGHT_DOC_DIR}/help)

# Debian's policy files: the machine-readable copyright and the changelog of a native package, gzipped.
set(MEALWRIGHT_CHANGELOG ${PROJECT_BINARY_DIR}/debian/changelog)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog ${MEALWRIGHT_CHANGELOG} @ONLY)
add_custom_command(OUTPUT ${MEALWRIGHT_CHANGELOG}.gz
                   COMMAND gzip -9 -n -k -f ${MEALWRIGHT_CHANGELOG}
                   DEPENDS ${MEALWRIGHT_CHANGELOG}
                   COMMENT "Compressing the Debian changelog"
                   VERBATIM)
add_custom_target(mealwright_changelog ALL DEPENDS ${MEALWRIGHT_CHANGELOG}.gz)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright ${MEALWRIGHT_CHANGELOG}.gz
        DESTINATION ${MEALWRIGHT_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mealwright)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Mealwright")
set(CPACK_PACKAGE_CONTACT "Mealwright maintainers <maintainers@users.noreply.c-seed-59961a2c.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "diet planner and nutrient analyser")
set(CPACK_PACKAGE_DESCRIPTION
    "Compose a day of six meals from 643 standard foods and your own foods and\n\
recipes, and see what each food, meal and the whole day holds of 27 nutrients,\n\
measured against your requirements or your own intake ranges.\n\
.\n\
Holds the desktop program mealwright and the command-line tool mealwright-cli.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the programs link are found by dpkg-shlibdeps; among them libqt6svg6, which also holds the SVG
# plugins Qt loads for the icons. What is not linked is named here, each package once: fonts for the windows
# and the printed report (the faces metric-compatible with the default printer font, and the condensed ones
# the report falls back on, are recommended).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-dejavu-extra")
include(CPack)
