sono_add_fuzzer(fuzz_shortcut
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/text/fuzz_shortcut.cpp
  LIBS sono_platform_text
  LABELS board
  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/shortcut)
