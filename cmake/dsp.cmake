# Shared compile settings and small helpers for the areas' CMakeLists.

add_library(dsp_options INTERFACE)
target_compile_options(dsp_options INTERFACE -Wall -Wextra)
target_include_directories(dsp_options INTERFACE ${CMAKE_SOURCE_DIR}/src)
if(DSP_SANITIZE)
  target_compile_options(dsp_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                         -fno-sanitize-recover=undefined)
  target_link_options(dsp_options INTERFACE -fsanitize=address,undefined)
endif()
if(DSP_FUZZ)
  # Libraries get the fuzzer's coverage hooks without its main; the fuzz targets link the fuzzer itself.
  target_compile_options(dsp_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  target_link_options(dsp_options INTERFACE -fsanitize=address,undefined)
endif()
if(DSP_TSAN)
  target_compile_options(dsp_options INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(dsp_options INTERFACE -fsanitize=thread)
endif()

# dsp_area(NAME DEPS...): a static library from every .cpp below src/NAME.
function(dsp_area name)
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${srcs})
  target_link_libraries(${name} PUBLIC dsp_options ${ARGN})
endfunction()

# dsp_test_dir(NAME LIBS...): one GoogleTest program from every .cpp below tests/NAME.
# Tests labelled by file name: *_tsan_test.cpp also runs in the ThreadSanitizer build. Those files make a program
# of their own (NAME_tsan_tests, labels NAME and tsan), so the TSan run needs nothing else of the folder.
function(dsp_test_dir name)
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
  set(tsan_srcs ${srcs})
  list(FILTER tsan_srcs INCLUDE REGEX "_tsan_test\\.cpp$")
  list(FILTER srcs EXCLUDE REGEX "_tsan_test\\.cpp$")
  foreach(kind "" "_tsan")
    set(files ${srcs})
    set(labels ${name})
    if(kind STREQUAL "_tsan")
      set(files ${tsan_srcs})
      set(labels "${name};tsan")
    endif()
    if(NOT files)
      continue()
    endif()
    add_executable(${name}${kind}_tests ${files})
    target_link_libraries(${name}${kind}_tests PRIVATE ${ARGN} GTest::gtest GTest::gtest_main Threads::Threads)
    target_include_directories(${name}${kind}_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    add_test(NAME ${name}${kind} COMMAND ${name}${kind}_tests)
    set_tests_properties(${name}${kind} PROPERTIES ENVIRONMENT "DSP_CONSOLE_DPI=96;SDL_VIDEODRIVER=dummy"
                         TIMEOUT 600 LABELS "${labels}")
  endforeach()
endfunction()

# dsp_all_libs(VAR): every library target defined so far, for test and benchmark programs.
function(dsp_all_libs var)
  set(libs platform)
  foreach(lib device res files editing controls dialogs mainwnd app standin)
    if(TARGET ${lib})
      list(APPEND libs ${lib})
    endif()
  endforeach()
  set(${var} ${libs} PARENT_SCOPE)
endfunction()
