sono_add_test(tst_DialogTexts SOURCES ${CMAKE_CURRENT_LIST_DIR}/i18n/tst_DialogTexts.cpp
  LIBS sono_i18n sono_lcfc LABELS "i18n;gui")
sono_add_test(tst_LcTranslate SOURCES ${CMAKE_CURRENT_LIST_DIR}/i18n/tst_LcTranslate.cpp
  LIBS sono_i18n sono_lcfc LABELS "i18n;gui")
sono_add_test(tst_MainWindowLanguage SOURCES ${CMAKE_CURRENT_LIST_DIR}/i18n/tst_MainWindowLanguage.cpp
  LIBS sono_app sono_lcfc LABELS "i18n;gui" ENV SONO_BUILD_DIR=${CMAKE_BINARY_DIR})
add_dependencies(tst_MainWindowLanguage sono_language_file)
