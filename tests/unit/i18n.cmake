# Language files, the current language, built-in strings, class resources,
# language names and code pages.
sono_add_test(tst_LcUnit SOURCES ${CMAKE_CURRENT_LIST_DIR}/i18n/tst_LcUnit.cpp LIBS sono_i18n sono_lcfc LABELS i18n
  ENV SONO_BUILD_DIR=${CMAKE_BINARY_DIR})
add_dependencies(tst_LcUnit sono_language_file)
sono_add_test(tst_LcClassResource SOURCES ${CMAKE_CURRENT_LIST_DIR}/i18n/tst_LcClassResource.cpp LIBS sono_i18n sono_lcfc LABELS i18n)
sono_add_test(tst_LanguageInfo SOURCES ${CMAKE_CURRENT_LIST_DIR}/i18n/tst_LanguageInfo.cpp LIBS sono_i18n LABELS i18n)
sono_add_test(tst_LcfSource SOURCES ${CMAKE_CURRENT_LIST_DIR}/i18n/tst_LcfSource.cpp LIBS sono_lcfc LABELS i18n)
sono_add_test(tst_LcPath SOURCES ${CMAKE_CURRENT_LIST_DIR}/i18n/tst_LcPath.cpp LIBS sono_i18n LABELS i18n)
