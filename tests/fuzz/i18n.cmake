sono_add_fuzzer(fuzz_lcf
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/i18n/fuzz_lcf.cpp
  LIBS sono_i18n
  LABELS i18n
  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/lcf)
