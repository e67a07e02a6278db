# Installing Tintrix: `cmake --install <build> [--prefix <prefix>]` lays out
#
#   <prefix>/bin/tintrix                       a launcher for the PATH; /usr/games/tintrix when
#                                              the prefix is /usr, where Debian keeps games
#   <prefix>/lib/tintrix/                      the program's folder: the executable, its sound
#                                              module sound/tintrix-sound.so, and links
#                                              to the files it reads beside itself
#   <prefix>/share/tintrix/                    those files: sounds, music, help (English and
#                                              translated, tintrix_<lang>.hlp) and the
#                                              translations, translations/tintrix_<lang>.qm
#   <prefix>/share/applications/org.example.tintrix.desktop
#   <prefix>/share/metainfo/org.example.tintrix.metainfo.xml
#   <prefix>/share/icons/hicolor/<N>x<N>/apps/tintrix.png, .../scalable/apps/tintrix.svg
#   <prefix>/share/man/man6/tintrix.6.gz
#   <prefix>/share/doc/tintrix/                copyright and changelog
#
# Every path below the prefix is relative, so an installed tree can be moved as a whole. The
# installed folder is usually not writable by players; the game then keeps its high scores in
# the per-user data folder.
include(GNUInstallDirs)

set(TINTRIX_INSTALL_PROGRAMDIR "lib/tintrix" CACHE STRING
    "Program folder of the installed game, relative to the prefix")
set(TINTRIX_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/tintrix" CACHE STRING
    "Folder of the game's sounds, music and help, relative to the prefix")
set(TINTRIX_APP_ID "org.example.tintrix")
set(TINTRIX_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging")
set(_staging "${CMAKE_BINARY_DIR}/install-staging")

# The program's folder holds the executable and, for each file the game reads beside itself,
# a relative link into the data folder, where architecture-independent files belong.
install(TARGETS tintrix RUNTIME DESTINATION "${TINTRIX_INSTALL_PROGRAMDIR}")
# The sound module, opened by the program from its own folder when it first needs a sound.
install(TARGETS tintrix_sound LIBRARY DESTINATION "${TINTRIX_INSTALL_PROGRAMDIR}/sound")
set(_media Change.wav DropPeg.wav Gling.wav redo.wav Airy.mid tintrix.hlp)
foreach(_lang IN LISTS TINTRIX_LANGUAGES)
  list(APPEND _media "tintrix_${_lang}.hlp")
endforeach()
file(RELATIVE_PATH _program_to_data "/prefix/${TINTRIX_INSTALL_PROGRAMDIR}" "/prefix/${TINTRIX_INSTALL_DATADIR}")
file(MAKE_DIRECTORY "${_staging}/links")
foreach(_file IN LISTS _media)
  install(FILES "${TINTRIX_PROGRAM_DIR}/${_file}" DESTINATION "${TINTRIX_INSTALL_DATADIR}")
  file(CREATE_LINK "${_program_to_data}/${_file}" "${_staging}/links/${_file}" SYMBOLIC)
  install(FILES "${_staging}/links/${_file}" DESTINATION "${TINTRIX_INSTALL_PROGRAMDIR}")
endforeach()

# The translations: one folder, linked from the program's folder as a whole.
install(FILES ${TINTRIX_QM_FILES} DESTINATION "${TINTRIX_INSTALL_DATADIR}/translations")
file(CREATE_LINK "${_program_to_data}/translations" "${_staging}/links/translations" SYMBOLIC)
install(FILES "${_staging}/links/translations" DESTINATION "${TINTRIX_INSTALL_PROGRAMDIR}")

# The launcher finds the program's folder from its own resolved location. Installed into /usr
# (a distribution's package, or by hand) it goes to /usr/games, elsewhere to <prefix>/bin.
foreach(_dir IN ITEMS "${CMAKE_INSTALL_BINDIR}" games)
  file(RELATIVE_PATH TINTRIX_LAUNCHER_TO_PROGRAM "/prefix/${_dir}" "/prefix/${TINTRIX_INSTALL_PROGRAMDIR}")
  configure_file("${TINTRIX_PACKAGING_DIR}/tintrix.in" "${_staging}/launcher-${_dir}/tintrix" @ONLY)
endforeach()
install(CODE "
  if(CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
    set(_tintrix_launcher_dir games)
  else()
    set(_tintrix_launcher_dir \"${CMAKE_INSTALL_BINDIR}\")
  endif()
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/\${_tintrix_launcher_dir}\" TYPE PROGRAM
       FILES \"${_staging}/launcher-\${_tintrix_launcher_dir}/tintrix\")
")

# Desktop menu entry, software-centre metadata, and the application icon in every size the
# picture generator draws, bitmaps and one scalable drawing.
install(FILES "${TINTRIX_PACKAGING_DIR}/${TINTRIX_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${TINTRIX_PACKAGING_DIR}/${TINTRIX_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
foreach(_size IN ITEMS 16 22 24 32 48 64 128 256)
  install(FILES "${CMAKE_BINARY_DIR}/pictures/tintrix-${_size}.png"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps"
          RENAME tintrix.png)
endforeach()
install(FILES "${CMAKE_BINARY_DIR}/pictures/tintrix.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")

# The manual page and the changelog, compressed the way Debian ships them: at the highest
# level and without a time stamp, so that a rebuild gives the same bytes.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(_man "${_staging}/tintrix.6.gz")
set(_changelog "${_staging}/changelog.gz")
add_custom_command(OUTPUT "${_man}"
  COMMAND "${GZIP_EXECUTABLE}" -9nc "${TINTRIX_PACKAGING_DIR}/tintrix.6" > "${_man}"
  DEPENDS "${TINTRIX_PACKAGING_DIR}/tintrix.6"
  COMMENT "Compressing the manual page")
add_custom_command(OUTPUT "${_changelog}"
  COMMAND "${GZIP_EXECUTABLE}" -9nc "${TINTRIX_PACKAGING_DIR}/changelog" > "${_changelog}"
  DEPENDS "${TINTRIX_PACKAGING_DIR}/changelog"
  COMMENT "Compressing the changelog")
add_custom_target(tintrix_install_docs ALL DEPENDS "${_man}" "${_changelog}")
install(FILES "${_man}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
install(FILES "${_changelog}" "${TINTRIX_PACKAGING_DIR}/copyright"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/tintrix")
