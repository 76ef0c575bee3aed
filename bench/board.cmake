add_executable(bench_board ${CMAKE_CURRENT_LIST_DIR}/bench_board.cpp)
target_compile_options(bench_board PRIVATE ${SONO_WARNINGS})
target_include_directories(bench_board PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(bench_board PRIVATE sono_board Qt6::Widgets)
