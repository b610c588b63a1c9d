# Sanitizer builds. Included before any target is made, so the options below
# reach every library, program and test of the tree.
#
#   QUORVEL_SANITIZE  AddressSanitizer (with its leak checker) and
#                     UndefinedBehaviorSanitizer on everything; any undefined
#                     behaviour stops the program instead of being reported
#                     and passed over, so a test run cannot stay green past it.
#   QUORVEL_FUZZ      The same, plus libFuzzer's coverage instrumentation on
#                     every library, so that the fuzz targets in fuzz/ see
#                     which branches of the product code an input reaches.
#                     clang only: g++ has no libFuzzer.

option(QUORVEL_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QUORVEL_FUZZ "Instrument everything for libFuzzer (clang only)" OFF)

set(QUORVEL_SANITIZER_FLAGS
  -fsanitize=address,undefined
  -fno-omit-frame-pointer
  -fno-sanitize-recover=undefined)

if(QUORVEL_SANITIZE OR QUORVEL_FUZZ)
  add_compile_options(${QUORVEL_SANITIZER_FLAGS})
  add_link_options(${QUORVEL_SANITIZER_FLAGS})
endif()

if(QUORVEL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "QUORVEL_FUZZ needs clang (configure with CMAKE_CXX_COMPILER=clang++)")
  endif()
  # Coverage counters only; the fuzz targets themselves link libFuzzer's
  # main (-fsanitize=fuzzer, see fuzz/CMakeLists.txt).
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
