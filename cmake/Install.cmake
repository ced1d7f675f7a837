# Installation layout and the Debian package.
#
# The programs go to bin/. The data the desktop program looks for beside itself (Pic, Help,
# Readme.txt, the language files) goes to share/kelmira/, where an installed program finds it
# through ../share/kelmira relative to its own folder. Desktop entry, icons and AppStream data
# go to the usual freedesktop places, and only when the desktop program is built: a menu entry
# for a program that is not in the package would start nothing.
include(GNUInstallDirs)

set(KELMIRA_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/kelmira)

foreach(_program kelmira kelmira-sim)
  if(TARGET ${_program})
    install(TARGETS ${_program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# Pictures, help and read-me are written into the build tree while building; any of them may
# be missing in a build without the desktop program.
install(DIRECTORY ${CMAKE_BINARY_DIR}/app/Pic ${CMAKE_BINARY_DIR}/app/Help
        DESTINATION ${KELMIRA_INSTALL_DATA_DIR} OPTIONAL)
install(FILES ${CMAKE_BINARY_DIR}/app/Readme.txt ${CMAKE_BINARY_DIR}/app/Readme-en.txt
        DESTINATION ${KELMIRA_INSTALL_DATA_DIR} OPTIONAL)
file(GLOB _kelmira_lang_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/lang/*.ini)
install(FILES ${_kelmira_lang_files} DESTINATION ${KELMIRA_INSTALL_DATA_DIR}/lang)

# The licence in the Debian place and form.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kelmira)

# Manual pages, section 6 (games), carrying the program's version; compressed as Debian keeps
# them. The desktop program's page only comes with the desktop program.
set(_kelmira_man_pages)
foreach(_program kelmira kelmira-sim)
  if(TARGET ${_program})
    set(_man ${CMAKE_BINARY_DIR}/packaging/man/${_program}.6)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/${_program}.6.in ${_man} @ONLY)
    find_program(KELMIRA_GZIP gzip)
    if(KELMIRA_GZIP)
      add_custom_command(OUTPUT ${_man}.gz
        COMMAND ${KELMIRA_GZIP} -9nkf ${_man}
        DEPENDS ${_man}
        COMMENT "Compressing the manual page ${_program}.6"
        VERBATIM)
      list(APPEND _kelmira_man_pages ${_man}.gz)
      install(FILES ${_man}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
    else()
      install(FILES ${_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
    endif()
  endif()
endforeach()
if(_kelmira_man_pages)
  add_custom_target(kelmira_man_pages ALL DEPENDS ${_kelmira_man_pages})
endif()

# The newest release named in the AppStream data is the program's version.
set(_kelmira_metainfo ${PROJECT_SOURCE_DIR}/packaging/io.github.kelmira.metainfo.xml)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_kelmira_metainfo})
file(READ ${_kelmira_metainfo} _kelmira_metainfo_text)
if(NOT _kelmira_metainfo_text MATCHES "<release version=\"([^\"]*)\"" OR
   NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "The newest release of ${_kelmira_metainfo} is '${CMAKE_MATCH_1}', "
                      "the program's version ${PROJECT_VERSION}")
endif()

if(TARGET kelmira)
  set(_packaging ${PROJECT_SOURCE_DIR}/packaging)
  install(FILES ${_packaging}/kelmira.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_packaging}/io.github.kelmira.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${_packaging}/kelmira.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

  # The bitmap icons are rendered from the one SVG source, never kept in the repository.
  find_program(KELMIRA_RSVG_CONVERT rsvg-convert)
  if(KELMIRA_RSVG_CONVERT)
    set(_kelmira_icons)
    foreach(_size 16 24 32 48 64 128 256)
      set(_dir ${CMAKE_BINARY_DIR}/packaging/icons/${_size}x${_size})
      set(_png ${_dir}/kelmira.png)
      add_custom_command(
        OUTPUT ${_png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${_dir}
        COMMAND ${KELMIRA_RSVG_CONVERT} -w ${_size} -h ${_size} -o ${_png} ${_packaging}/kelmira.svg
        DEPENDS ${_packaging}/kelmira.svg
        COMMENT "Rendering the ${_size}x${_size} application icon"
        VERBATIM)
      list(APPEND _kelmira_icons ${_png})
      install(FILES ${_png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps)
    endforeach()
    add_custom_target(kelmira_icons ALL DEPENDS ${_kelmira_icons})
  else()
    message(WARNING "rsvg-convert (Debian package librsvg2-bin) was not found: "
                    "only the scalable application icon is installed")
  endif()
endif()

# Debian package: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelmira)
set(CPACK_PACKAGE_VENDOR "Kelmira project")
set(CPACK_PACKAGE_CONTACT "Kelmira project")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dice board game of camels, gold and souks")
set(CPACK_PACKAGE_DESCRIPTION
    "Kelmira plays the dice-placement board game Kelmira for two to four players: one human
against one to three computer players, or computer players among themselves. It keeps
an undo history, saves and loads games, and has a simulation mode with a statistics
report. The command kelmira-sim plays such simulation runs in a terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The library packages come from dpkg-shlibdeps; the font is loaded at run time, not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET kelmira)
  # Qt's own dialogs (file choosers, message boxes) speak the program's language.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, qt6-translations-l10n")
endif()
include(CPack)
