# Golden cases (tests/golden/<case>/): the built wkv9 and the in-process results report compared
# with reference outputs. KV9_GOLDEN_UPDATE=1 in the environment writes new references.
add_executable(kv9_golden_tests ${CMAKE_CURRENT_LIST_DIR}/golden_test.cpp)
target_include_directories(kv9_golden_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(kv9_golden_tests PRIVATE kv9core GTest::gtest GTest::gtest_main)
target_compile_definitions(kv9_golden_tests PRIVATE
  KV9_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
  KV9_WKV9_PATH="$<TARGET_FILE:wkv9>")
add_dependencies(kv9_golden_tests wkv9)
add_test(NAME kv9_golden_tests COMMAND kv9_golden_tests)
set_tests_properties(kv9_golden_tests PROPERTIES ENVIRONMENT "${KV9_TEST_ENV}")
