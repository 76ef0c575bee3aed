sono_add_test(test_board
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/board/tst_board.cpp ${CMAKE_CURRENT_LIST_DIR}/board/BoardFixture.h
  LIBS sono_board
  LABELS board gui)

sono_add_test(test_main_window
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/board/tst_mainwindow.cpp ${CMAKE_CURRENT_LIST_DIR}/board/BoardFixture.h
  LIBS sono_board
  LABELS board gui)

sono_add_test(test_board_widgets
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/board/tst_widgets.cpp
  LIBS sono_platform_widgets sono_platform_skin
  LABELS board gui)
