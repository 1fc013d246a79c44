# The dBASE tables are read and written through shapelib's DBF functions.
pkg_check_modules(SHAPELIB REQUIRED IMPORTED_TARGET shapelib)
target_link_libraries(kv9core PUBLIC PkgConfig::SHAPELIB)

# The generator of data/printout.dbf, built on demand: cmake --build build --target make_printout_dbf
add_executable(make_printout_dbf EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/tools/make_printout_dbf.cpp)
target_link_libraries(make_printout_dbf PRIVATE kv9core)
