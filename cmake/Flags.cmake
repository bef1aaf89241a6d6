# Compiler flags of every Almucan target, carried by the interface target
# almucan::flags that each library and program links.
# Floating point must give the same bits on every build: no contraction of
# a*b+c into fused multiply-adds, and never fast-math.
add_library(almucan_flags INTERFACE)
add_library(almucan::flags ALIAS almucan_flags)
target_compile_options(almucan_flags INTERFACE -ffp-contract=off -fno-fast-math
                       -Wall -Wextra -Wconversion -Wshadow)
if(ALMUCAN_WERROR)
  target_compile_options(almucan_flags INTERFACE -Werror)
endif()
# GCC 12 at -O3 reports impossible overlaps in std::string assignments of
# string literals (GCC bug 105329, fixed in GCC 13): a false -Wrestrict.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(almucan_flags INTERFACE -Wno-restrict)
endif()
# The sanitizers apply to the whole build (the project's code and the test
# frameworks it links must agree), so they stay global.
if(ALMUCAN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
