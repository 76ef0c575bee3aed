sono_add_test(test_sql_text
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/data/tst_sqltext.cpp
  LIBS sono_platform_firebird
  LABELS data)

sono_add_test(test_ini_file
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/data/tst_inifile.cpp
  LIBS sono_platform_ini sono_platform_text
  LABELS data)
