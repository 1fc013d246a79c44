# The desktop program wkv9-desktop: its main() is not part of kv9gui, which the Qt tests link.
if(TARGET kv9gui)
  get_target_property(kv9_gui_sources kv9gui SOURCES)
  list(REMOVE_ITEM kv9_gui_sources ${CMAKE_CURRENT_SOURCE_DIR}/gui/desktop_main.cpp)
  set_property(TARGET kv9gui PROPERTY SOURCES ${kv9_gui_sources})
  target_link_libraries(kv9gui PUBLIC kv9app)
  add_executable(wkv9-desktop ${CMAKE_CURRENT_SOURCE_DIR}/gui/desktop_main.cpp)
  target_link_libraries(wkv9-desktop PRIVATE kv9gui)
  # wkv9 finds it beside itself.
  add_dependencies(wkv9 wkv9-desktop)
endif()
