# Shared build settings and small helpers for the project's targets.

set(SONO_WARNINGS -Wall -Wextra -Wpedantic -Wno-missing-field-initializers)
if(SONO_WERROR)
  list(APPEND SONO_WARNINGS -Werror)
endif()

if(SONO_SANITIZE STREQUAL "address")
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
elseif(SONO_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(NOT SONO_SANITIZE STREQUAL "")
  message(FATAL_ERROR "SONO_SANITIZE must be empty, address or thread")
endif()

# sono_add_library(<name> SOURCES ... [LIBS ...])
# A static library of one layer folder; headers are included as "folder/File.h"
# from the source root.
function(sono_add_library name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${SONO_WARNINGS})
  target_link_libraries(${name} PUBLIC ${A_LIBS})
endfunction()

# Adds every sub-folder of <dir> that holds a CMakeLists.txt.
function(sono_add_layer_dirs dir)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*)
  list(SORT children)
  foreach(child ${children})
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# sono_add_test(<name> SOURCES ... LIBS ... LABELS ... [ENV ...] [TIMEOUT s])
# A Qt Test executable registered with CTest under the given labels.
function(sono_add_test name)
  cmake_parse_arguments(A "" "TIMEOUT" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_compile_options(${name} PRIVATE ${SONO_WARNINGS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${A_LIBS} Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES LABELS "${A_LABELS}" TIMEOUT ${A_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SONO_SOURCE_DIR=${PROJECT_SOURCE_DIR};${A_ENV}")
endfunction()

# sono_embed_text(<var> <file> <symbol> <namespace>): a generated source
# holding the file's bytes as `const char symbol[]`; appended to <var>.
function(sono_embed_text var file symbol ns)
  get_filename_component(base ${file} NAME)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded_${base}.cpp)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${file} -DOUT=${out} -DNAME=${symbol} -DNS=${ns}
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedText.cmake
    DEPENDS ${file} ${PROJECT_SOURCE_DIR}/cmake/EmbedText.cmake VERBATIM)
  set(${var} ${${var}} ${out} PARENT_SCOPE)
endfunction()

# Fuzz targets. With SONO_FUZZ (clang) everything is instrumented for
# libFuzzer; otherwise each target is built with a small driver that replays
# its seed corpus and a fixed set of mutations of it, and runs as a test.
if(SONO_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# sono_add_fuzzer(<name> SOURCES ... LIBS ... LABELS ... [CORPUS dir])
# The sources define LLVMFuzzerTestOneInput.
function(sono_add_fuzzer name)
  cmake_parse_arguments(A "" "CORPUS" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_compile_options(${name} PRIVATE ${SONO_WARNINGS})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
  if(SONO_FUZZ)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  else()
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/fuzz/support/ReplayMain.cpp)
    add_test(NAME ${name} COMMAND ${name} ${A_CORPUS})
    set_tests_properties(${name} PROPERTIES LABELS "${A_LABELS}" TIMEOUT 300)
  endif()
endfunction()

# Runs one of our tools during the build. In a sanitizer build the tools are
# instrumented too, and Qt's own uninstrumented threads would make the thread
# sanitizer fail the build on reports that are not ours; the tools are tested
# as programs elsewhere, so here they only do their work.
set(SONO_RUN_TOOL ${CMAKE_COMMAND} -E env TSAN_OPTIONS=report_bugs=0 ASAN_OPTIONS=detect_leaks=0)
