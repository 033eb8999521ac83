# Shared compile settings and small helpers for the areas' CMakeLists.

include(GoogleTest)

# ccache when present, unless a launcher was chosen. Depend mode takes the headers from the compiler's own list, so
# a miss costs no extra preprocessing; the sloppiness lets files that use a precompiled header be cached.
if(NOT DEFINED CMAKE_CXX_COMPILER_LAUNCHER)
  find_program(DSP_CCACHE ccache)
  if(DSP_CCACHE)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${DSP_CCACHE})
  endif()
endif()
if(CMAKE_CXX_COMPILER_LAUNCHER MATCHES "(^|/)ccache$")
  set(CMAKE_CXX_COMPILER_LAUNCHER env CCACHE_DEPEND=1
      CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()

add_library(dsp_options INTERFACE)
target_compile_options(dsp_options INTERFACE -Wall -Wextra)
target_include_directories(dsp_options INTERFACE ${CMAKE_SOURCE_DIR}/src)
# DSP_SANITIZE and DSP_FUZZ together make one clang tree: the sources compile once with the fuzzer's coverage hooks
# (without its main) and AddressSanitizer with UndefinedBehaviorSanitizer; the test programs link the usual GoogleTest
# main, the fuzz targets link the fuzzer itself.
if(DSP_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "DSP_FUZZ needs clang: configure with CC=clang CXX=clang++")
endif()
if(DSP_SANITIZE OR DSP_FUZZ)
  set(dsp_sanitizers address,undefined)
  if(DSP_FUZZ)
    set(dsp_sanitizers fuzzer-no-link,${dsp_sanitizers})
  endif()
  target_compile_options(dsp_options INTERFACE -fsanitize=${dsp_sanitizers} -fno-omit-frame-pointer
                         -fno-sanitize-recover=undefined)
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

# The headers every test file pulls in, precompiled once per build tree: test_pch owns them and each test program
# reuses its result, so it links what the test programs link and compiles with their flags exactly.
set(dsp_test_pch_headers <gtest/gtest.h> <algorithm> <atomic> <chrono> <cstdint> <cstring> <filesystem> <fstream>
    <functional> <map> <memory> <mutex> <optional> <set> <sstream> <string> <string_view> <thread> <vector>)
# The test sources need no optimising: in an optimised tree they compile at -O0 with line tables only, which with
# the precompiled header halves their compile time; the code under test keeps the tree's flags.
if(CMAKE_BUILD_TYPE MATCHES "^(RelWithDebInfo|Release)$")
  set(dsp_test_compile_options -O0 -g1)
endif()

# dsp_test_program(TARGET LABELS LIBS...): the settings a GoogleTest program shares with the others.
function(dsp_test_program target labels)
  if(NOT TARGET test_programs)
    add_custom_target(test_programs)  # every test program, without the other programs of the tree
  endif()
  add_dependencies(test_programs ${target})
  target_link_libraries(${target} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main Threads::Threads)
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_compile_options(${target} PRIVATE ${dsp_test_compile_options})
  if(NOT TARGET test_pch)
    file(WRITE ${CMAKE_BINARY_DIR}/test_pch.cpp "// Owns the precompiled header of the test programs.\n")
    add_library(test_pch OBJECT ${CMAKE_BINARY_DIR}/test_pch.cpp)
    target_link_libraries(test_pch PRIVATE ${ARGN} GTest::gtest GTest::gtest_main Threads::Threads)
    target_include_directories(test_pch PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_options(test_pch PRIVATE ${dsp_test_compile_options})
    target_precompile_headers(test_pch PRIVATE ${dsp_test_pch_headers})
  endif()
  target_precompile_headers(${target} REUSE_FROM test_pch)

  # One ctest entry per test, listed when ctest starts (a program that fails to list them stops the run). The
  # properties are set by a file of our own: passed through gtest_discover_tests, the lists in them would come
  # apart. A program that lists no test at all adds a failing entry.
  string(REGEX REPLACE "_tests$" "" prefix ${target})
  gtest_discover_tests(${target} TEST_PREFIX "${prefix}." TEST_LIST ${target}_TESTS DISCOVERY_MODE PRE_TEST
                       DISCOVERY_TIMEOUT 120 NO_PRETTY_VALUES)
  # The end-to-end tests mostly wait on the link's real time-outs: they start first, so the waits overlap the rest.
  set(cost 0)
  if("e2e" IN_LIST labels)
    set(cost 100)
  endif()
  set(props ${CMAKE_CURRENT_BINARY_DIR}/${target}_properties.cmake)
  file(WRITE ${props}
       "if(${target}_TESTS)\n"
       "  set_tests_properties(\${${target}_TESTS} PROPERTIES\n"
       "    ENVIRONMENT \"DSP_CONSOLE_DPI=96;SDL_VIDEODRIVER=dummy\" TIMEOUT 600 LABELS \"${labels}\"\n"
       "    COST ${cost})\n"
       "else()\n"
       "  add_test(${prefix}.lists_no_tests [==[${CMAKE_COMMAND}]==] -E false)\n"
       "  set_tests_properties(${prefix}.lists_no_tests PROPERTIES LABELS \"${labels}\")\n"
       "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${props})
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
    if(DSP_TSAN)  # only the programs whose labels scripts/test runs under ThreadSanitizer
      set(runs_under_tsan ${labels})
      list(FILTER runs_under_tsan INCLUDE REGEX "^(device|e2e|tsan)$")
      if(NOT runs_under_tsan)
        continue()
      endif()
    endif()
    add_executable(${name}${kind}_tests ${files})
    dsp_test_program(${name}${kind}_tests "${labels}" ${ARGN})
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
