# The command-line tests link the start-up library of wkv9.
target_link_libraries(kv9_tests PRIVATE kv9_app)
# The batch CAD run checks all the DXF files it writes with one ezdxf run.
target_compile_definitions(kv9_tests PRIVATE
  KV9_DXF_CHECK_MANY_SCRIPT="${CMAKE_CURRENT_LIST_DIR}/dxf_check_many.py")
# The /JSON run against its schema and the /I report of the same files.
add_test(NAME kv9_json_run
         COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/json_run_check.py $<TARGET_FILE:wkv9>
                 ${PROJECT_SOURCE_DIR})
set_tests_properties(kv9_json_run PROPERTIES ENVIRONMENT "${KV9_TEST_ENV}")

# The cut contours of /CUTi, read with ezdxf and measured with Shapely against the report.
add_test(NAME kv9_cut_contour
         COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/cut_contour_check.py
                 $<TARGET_FILE:wkv9> ${PROJECT_SOURCE_DIR})
