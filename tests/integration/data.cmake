sono_add_test(test_firebird_layer
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/data/tst_firebird.cpp
  LIBS sono_data
  LABELS data)

sono_add_test(test_data_module
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/data/tst_datamodule.cpp
  LIBS sono_data
  LABELS data)

sono_add_test(test_start_sequence
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/data/tst_startsequence.cpp
  LIBS sono_app
  LABELS data gui)

sono_add_test(test_shutdown
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/data/tst_shutdown.cpp
  LIBS sono_data
  LABELS data gui)
target_compile_definitions(test_shutdown PRIVATE SONO_EXECUTABLE="$<TARGET_FILE:Sonopaine>")
add_dependencies(test_shutdown Sonopaine)
