add_executable(bench_database ${CMAKE_CURRENT_LIST_DIR}/bench_database.cpp)
target_compile_options(bench_database PRIVATE ${SONO_WARNINGS})
target_include_directories(bench_database PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(bench_database PRIVATE sono_data Qt6::Test)
