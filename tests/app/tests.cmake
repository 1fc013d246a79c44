# The command-line tests link the start-up library of wkv9.
target_link_libraries(kv9_tests PRIVATE kv9app)
