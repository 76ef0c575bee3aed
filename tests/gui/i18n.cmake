sono_add_test(tst_DialogTexts SOURCES ${CMAKE_CURRENT_LIST_DIR}/i18n/tst_DialogTexts.cpp
  LIBS sono_i18n sono_lcfc LABELS "i18n;gui")
