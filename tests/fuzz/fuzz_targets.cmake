# The readers under fuzzing: each NAME has tests/fuzz/fuzz_NAME.cpp (LLVMFuzzerTestOneInput),
# seed inputs in corpus/NAME/ and the crash inputs found so far in crashes/NAME/.
#   data_file     the data-file reader (core/data_file)
#   config_file   the configuration reader (config/config_file)
#   error_file    the error-description lookup (report/error_file)
#   dbf_table     the dBASE table reader (tables/dbf_table)
#   help_files    help texts, the picture database and HP-GL pictures (help/)
set(KV9_FUZZ_TARGETS data_file config_file error_file dbf_table help_files)
