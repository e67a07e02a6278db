# The help files, English and translated (tintrix_<lang>.hlp), copied into the program's
# folder where "Tintrix Help" opens the one in the player's language.
set(_help_outputs)
foreach(_name IN ITEMS tintrix tintrix_de tintrix_fr tintrix_es)
  set(_source "${CMAKE_CURRENT_LIST_DIR}/help/${_name}.hlp")
  set(_output "${TINTRIX_PROGRAM_DIR}/${_name}.hlp")
  add_custom_command(
    OUTPUT "${_output}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${TINTRIX_PROGRAM_DIR}"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different "${_source}" "${_output}"
    DEPENDS "${_source}"
    COMMENT "Placing ${_name}.hlp in the program's folder"
    VERBATIM
  )
  list(APPEND _help_outputs "${_output}")
endforeach()
add_custom_target(tintrix_help_file ALL DEPENDS ${_help_outputs})
