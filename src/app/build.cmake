# The command line, the start-up routine and the batch runs form a library of their own, so that
# the unit tests link them; wkv9 itself is main.cpp over it.
file(GLOB KV9_APP_LIB_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/app/*.cpp)
list(REMOVE_ITEM KV9_APP_LIB_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)
add_library(kv9app STATIC ${KV9_APP_LIB_SOURCES})
target_link_libraries(kv9app PUBLIC kv9core)
set_property(TARGET wkv9 PROPERTY SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)
target_link_libraries(wkv9 PRIVATE kv9app)

# The menu commands, one file per menu, and the menu table the main window is built from.
target_sources(kv9app PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/app/commands/cad_commands.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/commands/command_steps.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/commands/document_commands.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/commands/edit_commands.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/commands/exchange_commands.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/commands/file_commands.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/commands/help_commands.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/commands/menu_table.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/commands/texts_form.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/commands/view_commands.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/commands/window_texts.cpp)
