# The program installs as one folder (both executables beside their CONFIG), plus a desktop entry,
# icons and command links where the desktop finds them. Where that folder cannot be written, as
# under /usr, the settings are kept in the user's configuration folder instead.
set(VYPISKA_PROGRAM_DIR lib/vypiska)

install(TARGETS vypiska vypiska-cli RUNTIME DESTINATION ${VYPISKA_PROGRAM_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/config/ DESTINATION ${VYPISKA_PROGRAM_DIR}/CONFIG)
foreach(size 16 24 32 48 256)
  install(FILES ${CMAKE_SOURCE_DIR}/src/app/images/icon-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME vypiska.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/src/app/images/icon.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME vypiska.svg)

install(CODE "
  set(program_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${VYPISKA_PROGRAM_DIR}\")
  set(EXEC \"\${CMAKE_INSTALL_PREFIX}/${VYPISKA_PROGRAM_DIR}/vypiska\")
  configure_file(\"${CMAKE_SOURCE_DIR}/data/vypiska.desktop.in\"
                 \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications/vypiska.desktop\" @ONLY)
  message(STATUS \"Installing: \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications/vypiska.desktop\")
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  foreach(name vypiska vypiska-cli)
    file(CREATE_LINK \"../${VYPISKA_PROGRAM_DIR}/\${name}\"
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/\${name}\" SYMBOLIC)
  endforeach()
")

# `cpack -G DEB` in the build folder: a Debian package that installs under /usr. The run-time
# libraries come from dpkg-shlibdeps; the platform plugins and Qt's Russian texts are loaded at
# run time, so they are named here.
set(CPACK_PACKAGE_NAME vypiska)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Payment documents (XML) read into a table and saved as a statement")
set(CPACK_PACKAGE_DESCRIPTION "${VYPISKA_PRODUCT_NAME} reads electronic payment documents from a \
file, a folder or a ZIP archive into a table, shows every requisite of the selected document and \
writes the checked documents through an editable template into one statement file. The window \
is in Russian; vypiska-cli does the same from the command line.")
set(CPACK_PACKAGE_CONTACT "XML-Vypiska developers <vypiska@example.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# The desktop entry names the executable by its installed path, not the staging folder's.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
include(CPack)
