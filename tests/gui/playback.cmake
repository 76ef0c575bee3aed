# Button playback, the time announcement and the sequences on the main
# window over a real database, played through the test sound server and
# recorded from its monitor.
sono_add_test(test_playback
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/playback/tst_playback.cpp ${CMAKE_CURRENT_LIST_DIR}/playback/PlaybackFixture.h
          ${CMAKE_CURRENT_SOURCE_DIR}/support/audio/SanitizerDefaults.cpp
  LIBS sono_board sono_test_audio_support sono_platform_pe
  LABELS playback gui
  TIMEOUT 600)


sono_add_test(test_playback_stress
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/playback/tst_playback_stress.cpp ${CMAKE_CURRENT_LIST_DIR}/playback/PlaybackFixture.h
          ${CMAKE_CURRENT_SOURCE_DIR}/support/audio/SanitizerDefaults.cpp
  LIBS sono_board sono_test_audio_support
  LABELS playback gui
  TIMEOUT 1500)
