# In the normal test run (any compiler): replay the crash inputs found so far and the seed
# corpus through each fuzz target; with clang++ on the machine, also a bounded libFuzzer run.
include(${CMAKE_CURRENT_LIST_DIR}/fuzz_targets.cmake)
foreach(name ${KV9_FUZZ_TARGETS})
  add_executable(kv9_fuzz_replay_${name} ${CMAKE_CURRENT_LIST_DIR}/fuzz_${name}.cpp
                 ${CMAKE_CURRENT_LIST_DIR}/replay_main.cpp)
  target_link_libraries(kv9_fuzz_replay_${name} PRIVATE kv9core)
  target_include_directories(kv9_fuzz_replay_${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME kv9_fuzz_replay_${name}
           COMMAND kv9_fuzz_replay_${name} ${CMAKE_CURRENT_LIST_DIR}/crashes/${name}
                   ${CMAKE_CURRENT_LIST_DIR}/corpus/${name} ${PROJECT_SOURCE_DIR}/examples)
endforeach()

find_program(KV9_CLANGXX clang++)
option(KV9_FUZZ_IN_CTEST "Run the bounded libFuzzer run (tools/fuzz.sh) as a test" ON)
if(KV9_CLANGXX AND KV9_FUZZ_IN_CTEST AND NOT KV9_BUILD_FUZZ)
  add_test(NAME kv9_fuzz_bounded COMMAND ${PROJECT_SOURCE_DIR}/tools/fuzz.sh)
  set_tests_properties(kv9_fuzz_bounded PROPERTIES
    ENVIRONMENT "KV9_FUZZ_BUILD_DIR=${CMAKE_BINARY_DIR}/fuzz-build;CXX=${KV9_CLANGXX}"
    TIMEOUT 1800 LABELS fuzz)
endif()
