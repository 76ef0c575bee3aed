add_executable(bench_playback ${CMAKE_CURRENT_LIST_DIR}/bench_playback.cpp)
target_compile_options(bench_playback PRIVATE ${SONO_WARNINGS})
target_include_directories(bench_playback PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(bench_playback PRIVATE sono_board sono_test_audio_support Qt6::Test)
