# The readers under fuzzing: each NAME has tests/fuzz/fuzz_NAME.cpp (LLVMFuzzerTestOneInput),
# seed inputs in corpus/NAME/ and the crash inputs found so far in crashes/NAME/.
#   data_file   the data-file reader (core/data_file)
# To come with their readers: config_file (config/) and error_file (report/error_file): add
# fuzz_config_file.cpp / fuzz_error_file.cpp with corpus and crash folders, and the names here.
set(KV9_FUZZ_TARGETS data_file)
