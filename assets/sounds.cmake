# The sound effects and the background music, written by the generators in tools/soundgen
# into the program's folder. Nothing here is kept in the source tree.
set(TINTRIX_EFFECT_FILES
  ${TINTRIX_PROGRAM_DIR}/Change.wav
  ${TINTRIX_PROGRAM_DIR}/DropPeg.wav
  ${TINTRIX_PROGRAM_DIR}/Gling.wav
  ${TINTRIX_PROGRAM_DIR}/redo.wav
)
set(TINTRIX_MUSIC_FILE ${TINTRIX_PROGRAM_DIR}/Airy.mid)

add_custom_command(
  OUTPUT ${TINTRIX_EFFECT_FILES}
  COMMAND tintrix_soundgen ${TINTRIX_PROGRAM_DIR}
  DEPENDS tintrix_soundgen
  COMMENT "Generating the sound effects"
  VERBATIM
)
add_custom_command(
  OUTPUT ${TINTRIX_MUSIC_FILE}
  COMMAND tintrix_musicgen ${TINTRIX_MUSIC_FILE}
  DEPENDS tintrix_musicgen
  COMMENT "Generating the background music"
  VERBATIM
)
add_custom_target(tintrix_sounds ALL DEPENDS ${TINTRIX_EFFECT_FILES} ${TINTRIX_MUSIC_FILE})
