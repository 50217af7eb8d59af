# The program installs as one self-contained folder (both executables beside their CONFIG, where
# the settings are kept), plus a desktop entry, icons and command links where the desktop finds them.
set(VYPISKA_PROGRAM_DIR lib/vypiska)

install(TARGETS vypiska vypiska-cli RUNTIME DESTINATION ${VYPISKA_PROGRAM_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/config/ DESTINATION ${VYPISKA_PROGRAM_DIR}/CONFIG)
foreach(size 16 24 32 48 256)
  install(FILES ${CMAKE_SOURCE_DIR}/src/app/images/icon-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME vypiska.png)
endforeach()

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
