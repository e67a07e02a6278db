# The help file, copied into the program's folder where "Tintrix Help" opens it.

set(TINTRIX_HELP_SOURCE "${CMAKE_CURRENT_LIST_DIR}/help/tintrix.hlp")
set(TINTRIX_HELP_OUTPUT "${TINTRIX_PROGRAM_DIR}/tintrix.hlp")

add_custom_command(
  OUTPUT "${TINTRIX_HELP_OUTPUT}"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${TINTRIX_PROGRAM_DIR}"
  COMMAND ${CMAKE_COMMAND} -E copy_if_different "${TINTRIX_HELP_SOURCE}" "${TINTRIX_HELP_OUTPUT}"
  DEPENDS "${TINTRIX_HELP_SOURCE}"
  COMMENT "Placing tintrix.hlp in the program's folder"
  VERBATIM
)
add_custom_target(tintrix_help_file ALL DEPENDS "${TINTRIX_HELP_OUTPUT}")
