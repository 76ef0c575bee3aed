# platform/text: hotkey text, installation-file lookup.
sono_add_test(tst_ShortCut SOURCES ${CMAKE_CURRENT_LIST_DIR}/text/tst_ShortCut.cpp LIBS sono_platform_text LABELS board)
sono_add_test(tst_FileLookup SOURCES ${CMAKE_CURRENT_LIST_DIR}/text/tst_FileLookup.cpp LIBS sono_platform_text LABELS board)
