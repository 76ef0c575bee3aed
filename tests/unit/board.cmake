sono_add_test(test_board_layout
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/board/tst_boardlayout.cpp
  LIBS sono_board
  LABELS board)
