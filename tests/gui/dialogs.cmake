sono_add_test(test_dialogs
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/dialogs/tst_dialogs.cpp
  LIBS sono_platform_widgets
  LABELS gui)
