# What the Debian package installs, and the package itself (bash scripts/package.sh).
include(GNUInstallDirs)

set(LOVARIS_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(LOVARIS_APP_ID org.lovaris.Lovaris)

install(TARGETS lovaris-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET lovaris)
  install(TARGETS lovaris RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The help pages (also inside the program) and the sample school.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/lovaris/help FILES_MATCHING PATTERN "*.html")
install(FILES ${CMAKE_BINARY_DIR}/examples/school.tbl ${CMAKE_SOURCE_DIR}/examples/school.json
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lovaris/examples)

# Menu entry, icons, file types and the software centre's description.
install(FILES ${LOVARIS_PACKAGING_DIR}/${LOVARIS_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${LOVARIS_PACKAGING_DIR}/${LOVARIS_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 256)
  install(FILES ${LOVARIS_PACKAGING_DIR}/${LOVARIS_APP_ID}-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${LOVARIS_APP_ID}.png)
endforeach()
install(FILES ${LOVARIS_PACKAGING_DIR}/lovaris-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME lovaris.xml)
install(FILES ${LOVARIS_PACKAGING_DIR}/${LOVARIS_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages and completion, written by lovaris-docs from the programs' own usage.
set(LOVARIS_DOCS_OUT ${CMAKE_BINARY_DIR}/docs)
add_custom_command(
  OUTPUT ${LOVARIS_DOCS_OUT}/lovaris.1.gz ${LOVARIS_DOCS_OUT}/lovaris-cli.1.gz ${LOVARIS_DOCS_OUT}/lovaris-cli.bash
  COMMAND ${CMAKE_COMMAND} -E make_directory ${LOVARIS_DOCS_OUT}
  COMMAND lovaris-docs --man-program ${PROJECT_VERSION} > ${LOVARIS_DOCS_OUT}/lovaris.1
  COMMAND lovaris-docs --man-cli ${PROJECT_VERSION} > ${LOVARIS_DOCS_OUT}/lovaris-cli.1
  COMMAND gzip -9nf ${LOVARIS_DOCS_OUT}/lovaris.1 ${LOVARIS_DOCS_OUT}/lovaris-cli.1
  COMMAND lovaris-docs --bash-completion > ${LOVARIS_DOCS_OUT}/lovaris-cli.bash
  DEPENDS lovaris-docs
  COMMENT "Writing the manual pages and the bash completion"
  VERBATIM)
add_custom_target(lovaris_docs ALL DEPENDS ${LOVARIS_DOCS_OUT}/lovaris.1.gz ${LOVARIS_DOCS_OUT}/lovaris-cli.1.gz
                                          ${LOVARIS_DOCS_OUT}/lovaris-cli.bash)
install(FILES ${LOVARIS_DOCS_OUT}/lovaris.1.gz ${LOVARIS_DOCS_OUT}/lovaris-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${LOVARIS_DOCS_OUT}/lovaris-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME lovaris-cli)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lovaris)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Lovaris developers <lovaris@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "school timetable workstation (Russian interface)")
set(CPACK_PACKAGE_DESCRIPTION
    "Lovaris is the workstation on which a school's planner builds the weekly timetable\n"
    "and keeps it in use through the year: the school's data, planning by hand and by\n"
    "search, the journal of substitutions, printed timetables and load tables.\n"
    "lovaris-cli does the same work without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The program loads Qt's own Russian texts from where Qt keeps its translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "bash-completion")
include(CPack)
