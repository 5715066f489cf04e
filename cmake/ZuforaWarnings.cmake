# Warnings and sanitizers shared by every target of the project.
add_library(zufora_options INTERFACE)
target_compile_options(zufora_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
if(ZUFORA_WERROR)
  target_compile_options(zufora_options INTERFACE -Werror)
endif()
if(ZUFORA_SANITIZE)
  target_compile_options(zufora_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(zufora_options INTERFACE -fsanitize=address,undefined)
endif()
# The fuzz build instruments everything for libFuzzer's coverage and checks memory and
# undefined behaviour; only the fuzz targets link the fuzzer's own main.
if(ZUFORA_BUILD_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ZUFORA_BUILD_FUZZ needs clang (CXX=clang++)")
  endif()
  target_compile_options(zufora_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
  target_link_options(zufora_options INTERFACE -fsanitize=address,undefined)
endif()
# g++ 12 reports -Wrestrict for ordinary std::string assignments once they are inlined
# (a known false positive of that release); it would fail -Werror builds at random.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(zufora_options INTERFACE -Wno-restrict)
endif()
