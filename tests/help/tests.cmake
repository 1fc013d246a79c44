# The display list of a help picture as text, for tools/render_help_pictures.sh.
add_executable(kv9_help_picture_dump ${CMAKE_CURRENT_LIST_DIR}/help_picture_dump.cc)
target_link_libraries(kv9_help_picture_dump PRIVATE kv9core)
