# The source search with workers taking every entry, beside find(1) on the same tree.
add_executable(search_bench ${CMAKE_CURRENT_LIST_DIR}/search_bench.cpp)
target_link_libraries(search_bench PRIVATE sw_engine benchmark::benchmark sw_common)
