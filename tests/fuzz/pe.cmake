sono_add_fuzzer(fuzz_pe
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/pe/fuzz_pe.cpp
  LIBS sono_platform_pe
  LABELS board
  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/pe)
