add_executable(bench_audio ${CMAKE_CURRENT_LIST_DIR}/bench_audio.cpp)
target_compile_options(bench_audio PRIVATE ${SONO_WARNINGS})
target_link_libraries(bench_audio PRIVATE sono_playback sono_test_audio_support Qt6::Test)
