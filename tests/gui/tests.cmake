# The Qt tests read the example data files of the repository.
if(TARGET kv9_gui_tests)
  target_compile_definitions(kv9_gui_tests PRIVATE KV9_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endif()
