# The game's pictures, drawn at build time by tools/artgen into ${CMAKE_BINARY_DIR}/pictures
# and bundled as resources under /pictures (":/pictures/imgRed.png"). Only the generator is
# kept in the source tree; the PNG files exist in the build tree only.
set(TINTRIX_PICTURE_DIR "${CMAKE_BINARY_DIR}/pictures")

# Pictures drawn at 1x and at 2x ("<name>@2x.png") for sharp screens.
set(_tintrix_pictures
  imgPink imgBlue imgPurple imgGreen imgOrange imgLightBlue imgDarkBlue imgRed
  imgBlack imgGrey imgX imgUndo imgRedo imgCheck
  SwirlPic StonePic IcePic CocktailPic
  imglogo1 imglogo2 imglogo3 AboutPic
)
# The application icon, one file per size and a scalable SVG, for the desktop (installed
# later) and, at 256, bundled for the window icon.
set(_tintrix_icon_sizes 16 22 24 32 48 64 128 256)

set(_tintrix_picture_files "")
foreach(_name IN LISTS _tintrix_pictures)
  list(APPEND _tintrix_picture_files "${_name}.png" "${_name}@2x.png")
endforeach()
set(_tintrix_bundled_files ${_tintrix_picture_files} "tintrix-256.png")
foreach(_size IN LISTS _tintrix_icon_sizes)
  list(APPEND _tintrix_picture_files "tintrix-${_size}.png")
endforeach()
list(APPEND _tintrix_picture_files "tintrix.svg")

list(TRANSFORM _tintrix_picture_files PREPEND "${TINTRIX_PICTURE_DIR}/" OUTPUT_VARIABLE _tintrix_picture_paths)
list(TRANSFORM _tintrix_bundled_files PREPEND "${TINTRIX_PICTURE_DIR}/" OUTPUT_VARIABLE _tintrix_bundled_paths)

# The generator checks every size and that it drew exactly the files listed here.
add_custom_command(
  OUTPUT ${_tintrix_picture_paths}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:tintrix_artgen> "${TINTRIX_PICTURE_DIR}" ${_tintrix_picture_files}
  DEPENDS tintrix_artgen
  COMMENT "Drawing the game's pictures"
  VERBATIM
)
add_custom_target(tintrix_picture_files ALL DEPENDS ${_tintrix_picture_paths})

# A static library holding only the resources; Qt links its resource objects into every
# program that uses it, so no Q_INIT_RESOURCE is needed. CMake wants one source of its own.
set(_tintrix_pictures_stub "${CMAKE_CURRENT_BINARY_DIR}/tintrix_pictures.cpp")
file(CONFIGURE OUTPUT "${_tintrix_pictures_stub}"
  CONTENT "// Generated: the pictures live in the resources of this library.\n")
add_library(tintrix_pictures STATIC "${_tintrix_pictures_stub}")
add_dependencies(tintrix_pictures tintrix_picture_files)
qt_add_resources(tintrix_pictures "tintrix_pictures"
  PREFIX "/pictures"
  BASE "${TINTRIX_PICTURE_DIR}"
  FILES ${_tintrix_bundled_paths}
  OUTPUT_TARGETS _tintrix_picture_objects
)
# The resource objects are a target of their own: it too must wait for the drawing, or a
# parallel build could run the generator twice.
foreach(_target IN LISTS _tintrix_picture_objects)
  add_dependencies(${_target} tintrix_picture_files)
endforeach()
