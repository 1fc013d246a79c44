# The layer rule. A source built as the core layer is built (its library's include path) cannot
# include a header of a layer above: the probe that tries must fail to compile, while the same
# probe on a core header compiles. The script reads the include lines of every source.
foreach(probe upward_include core_include)
  add_library(kv9_layer_probe_${probe} OBJECT EXCLUDE_FROM_ALL
              ${CMAKE_CURRENT_LIST_DIR}/${probe}_probe.cpp)
  target_link_libraries(kv9_layer_probe_${probe} PRIVATE kv9_core)
  add_test(NAME kv9_layer_probe_${probe}
           COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target kv9_layer_probe_${probe})
  # Two builds in one build folder at a time would race on its logs.
  set_tests_properties(kv9_layer_probe_${probe} PROPERTIES RESOURCE_LOCK kv9_build_dir)
endforeach()
set_tests_properties(kv9_layer_probe_upward_include PROPERTIES WILL_FAIL TRUE)

add_test(NAME kv9_check_layers
         COMMAND /usr/bin/python3 ${PROJECT_SOURCE_DIR}/tools/check_layers.py ${PROJECT_SOURCE_DIR}/src)
# The same script on a calculation header that names the Session must fail.
add_test(NAME kv9_check_layers_session_probe
         COMMAND /usr/bin/python3 ${PROJECT_SOURCE_DIR}/tools/check_layers.py
                 ${CMAKE_CURRENT_LIST_DIR}/session_probe)
set_tests_properties(kv9_check_layers_session_probe PROPERTIES WILL_FAIL TRUE)
