# Audio engine: the file reader, the wave-out output and TocarArquivo,
# played through the test sound server and recorded from its monitor.
pkg_check_modules(SONO_TEST_SNDFILE REQUIRED IMPORTED_TARGET sndfile)

add_library(sono_test_audio_support STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/support/audio/MonitorRecorder.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/support/audio/TestSoundServer.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/support/audio/ToneAnalysis.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/support/audio/ToneFiles.cpp)
target_include_directories(sono_test_audio_support PUBLIC ${PROJECT_SOURCE_DIR}
  ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(sono_test_audio_support PRIVATE ${SONO_WARNINGS})
target_link_libraries(sono_test_audio_support PUBLIC sono_platform_audio Qt6::Test
  PkgConfig::SONO_TEST_SNDFILE)

sono_add_test(tst_audio_file
  SOURCES integration/audio/tst_audio_file.cpp support/audio/SanitizerDefaults.cpp
  LIBS sono_test_audio_support
  LABELS audio)

sono_add_test(tst_audio_playback
  SOURCES integration/audio/tst_audio_playback.cpp support/audio/SanitizerDefaults.cpp
  LIBS sono_test_audio_support sono_playback
  LABELS audio)

sono_add_test(tst_audio_noserver
  SOURCES integration/audio/tst_audio_noserver.cpp support/audio/SanitizerDefaults.cpp
  LIBS sono_test_audio_support sono_playback
  LABELS audio)
