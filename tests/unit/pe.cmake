# The PE reader and writer, icons and the shipped icon libraries.
sono_add_test(tst_PeImage SOURCES ${CMAKE_CURRENT_LIST_DIR}/pe/tst_PeImage.cpp LIBS sono_platform_pe LABELS board)
sono_add_test(tst_IconFile SOURCES ${CMAKE_CURRENT_LIST_DIR}/pe/tst_IconFile.cpp LIBS sono_platform_pe LABELS board
  ENV SONO_BUILD_DIR=${CMAKE_BINARY_DIR})
add_dependencies(tst_IconFile sono_icon_libraries)
