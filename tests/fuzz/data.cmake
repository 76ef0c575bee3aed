sono_add_fuzzer(fuzz_sqltext
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/data/fuzz_sqltext.cpp
  LIBS sono_platform_firebird sono_platform_ini
  LABELS data
  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/sql)
