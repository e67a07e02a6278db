# Installing Tintrix: `cmake --install <build> [--prefix <prefix>]` lays out
#
#   <prefix>/lib/tintrix/                      the program's folder: the executable, its sounds,
#                                              music and help, which the game reads beside itself
#   <prefix>/bin/tintrix                       a launcher for the PATH
#   <prefix>/share/applications/tintrix.desktop
#   <prefix>/share/icons/hicolor/<N>x<N>/apps/tintrix.png
#
# Every path below the prefix is relative, so an installed tree can be moved as a whole. The
# installed folder is usually not writable by players; the game then keeps its high scores in
# the per-user data folder.
include(GNUInstallDirs)

set(TINTRIX_INSTALL_PROGRAMDIR "lib/tintrix" CACHE STRING
    "Program folder of the installed game, relative to the prefix")

# The program's folder. The media files are named by the game itself.
install(TARGETS tintrix RUNTIME DESTINATION "${TINTRIX_INSTALL_PROGRAMDIR}")
install(FILES
    "${TINTRIX_PROGRAM_DIR}/Change.wav"
    "${TINTRIX_PROGRAM_DIR}/DropPeg.wav"
    "${TINTRIX_PROGRAM_DIR}/Gling.wav"
    "${TINTRIX_PROGRAM_DIR}/redo.wav"
    "${TINTRIX_PROGRAM_DIR}/Airy.mid"
    "${TINTRIX_PROGRAM_DIR}/tintrix.hlp"
  DESTINATION "${TINTRIX_INSTALL_PROGRAMDIR}")

# The launcher finds the program's folder from its own resolved location.
file(RELATIVE_PATH TINTRIX_LAUNCHER_TO_PROGRAM
     "/prefix/${CMAKE_INSTALL_BINDIR}" "/prefix/${TINTRIX_INSTALL_PROGRAMDIR}")
configure_file("${PROJECT_SOURCE_DIR}/assets/linux/tintrix.in"
               "${CMAKE_BINARY_DIR}/launcher/tintrix" @ONLY)
install(PROGRAMS "${CMAKE_BINARY_DIR}/launcher/tintrix" DESTINATION "${CMAKE_INSTALL_BINDIR}")

# Desktop menu entry and the application icon in every size the picture generator draws.
install(FILES "${PROJECT_SOURCE_DIR}/assets/linux/tintrix.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
foreach(_size IN ITEMS 16 22 24 32 48 64 128 256)
  install(FILES "${CMAKE_BINARY_DIR}/pictures/tintrix-${_size}.png"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps"
          RENAME tintrix.png)
endforeach()
