# Reader checks of the CAD writers: a small program on Open CASCADE's IGES reader, and the ezdxf
# script run with /usr/bin/python3. The unit tests call both on every complete file they write
# (tests/support/cad_readers.h). The checker is a .cc file so that the glob of the unit-test
# binary leaves it out.
# Open CASCADE's package file adds its own definitions to the whole folder; keep them away from
# the other test targets.
get_directory_property(KV9_SAVED_DEFINITIONS COMPILE_DEFINITIONS)
find_package(OpenCASCADE REQUIRED)
set_directory_properties(PROPERTIES COMPILE_DEFINITIONS "${KV9_SAVED_DEFINITIONS}")
add_executable(kv9_iges_count ${CMAKE_CURRENT_LIST_DIR}/iges_count.cc)
target_include_directories(kv9_iges_count SYSTEM PRIVATE ${OpenCASCADE_INCLUDE_DIR})
# The reader is not ours to check: a sanitizer build leaves it uninstrumented (its leaks would
# fail every reader check).
if(KV9_SANITIZE)
  target_compile_options(kv9_iges_count PRIVATE -fno-sanitize=all)
  target_link_options(kv9_iges_count PRIVATE -fno-sanitize=all)
endif()
target_link_libraries(kv9_iges_count PRIVATE TKIGES TKXSBase TKTopAlgo TKBRep TKG3d TKMath TKernel)

add_dependencies(kv9_tests kv9_iges_count)
target_compile_definitions(kv9_tests PRIVATE
  KV9_IGES_COUNT_PATH="$<TARGET_FILE:kv9_iges_count>"
  KV9_DXF_CHECK_SCRIPT="${CMAKE_CURRENT_LIST_DIR}/dxf_check.py")
