# The batch text run lives in src/app (the program's sources, not kv9core); its tests in
# tests/app need it in the unit-test binary.
target_sources(kv9_tests PRIVATE ${PROJECT_SOURCE_DIR}/src/app/batch_text_run.cpp)
