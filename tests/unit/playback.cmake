sono_add_test(test_horacerta_names
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/playback/tst_horacerta.cpp
  LIBS sono_playback
  LABELS playback)
