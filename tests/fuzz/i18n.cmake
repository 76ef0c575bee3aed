sono_add_fuzzer(fuzz_lcf
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/i18n/fuzz_lcf.cpp
  LIBS sono_i18n
  LABELS i18n
  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/lcf)
sono_add_fuzzer(fuzz_lctranslate
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/i18n/fuzz_lctranslate.cpp
  LIBS sono_i18n sono_lcfc
  LABELS i18n
  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/lctranslate)
