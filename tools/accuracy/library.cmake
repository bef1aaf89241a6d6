# The comparison library shared by the accuracy tool and its ctest test.
include_guard(GLOBAL)
find_path(NOVA_INCLUDE_DIR libnova/libnova.h REQUIRED)
find_library(NOVA_LIBRARY nova REQUIRED)
add_library(almucan_accuracy STATIC ${CMAKE_CURRENT_LIST_DIR}/compare.cpp)
target_include_directories(almucan_accuracy PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${NOVA_INCLUDE_DIR})
target_link_libraries(almucan_accuracy PUBLIC almucan_month ${NOVA_LIBRARY})
