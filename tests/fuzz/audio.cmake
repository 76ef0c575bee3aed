sono_add_fuzzer(fuzz_audiofile
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/audio/fuzz_audiofile.cpp
  LIBS sono_platform_audio Qt6::Core
  LABELS audio
  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/audio)
