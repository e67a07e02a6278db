# The help: the help file, copied into the program's folder where "Tintrix Help" opens it,
# and the help window that shows it (Qt Widgets only, so it builds and tests on its own).

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

add_library(tintrix_help STATIC)
target_sources(tintrix_help PRIVATE
  "${PROJECT_SOURCE_DIR}/board/HelpWindow.h"
  "${PROJECT_SOURCE_DIR}/board/HelpWindow.cpp"
)
target_include_directories(tintrix_help PUBLIC "${PROJECT_SOURCE_DIR}/board")
target_link_libraries(tintrix_help PUBLIC Qt6::Widgets)
# Whatever links the help window also gets the help file in place.
add_dependencies(tintrix_help tintrix_help_file)
