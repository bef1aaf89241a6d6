# Compiler flags shared by every target of the project.
# Floating point must give the same bits on every build: no contraction of
# a*b+c into fused multiply-adds, and never fast-math.
add_compile_options(-ffp-contract=off -fno-fast-math
                    -Wall -Wextra -Wconversion -Wshadow)
if(ALMUCAN_WERROR)
  add_compile_options(-Werror)
endif()
if(ALMUCAN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
# GCC 12 at -O3 reports impossible overlaps in std::string assignments of
# string literals (GCC bug 105329, fixed in GCC 13): a false -Wrestrict.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options(-Wno-restrict)
endif()
