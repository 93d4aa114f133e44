# Benchmarks of the .pptx reader and the engine (Google Benchmark).
# The package builder of the tests makes the decks; it is compiled in here
# when the tests are not configured.
set(sw_pptx_bench_builder)
if(NOT TARGET sw_pptx_builder)
    set(sw_pptx_bench_builder
        ${PROJECT_SOURCE_DIR}/tests/presentation/PptxBuilder.cpp
        ${PROJECT_SOURCE_DIR}/tests/support_code/TempDir.cpp)
endif()

# Converts one file and prints its peak resident set size (KiB): run as a
# child process so that nothing of the benchmark's own memory is counted.
add_executable(pptx_peak_rss ${CMAKE_CURRENT_LIST_DIR}/pptx_peak_rss.cpp)
target_link_libraries(pptx_peak_rss PRIVATE sw_presentation sw_common)

add_executable(pptx_bench ${CMAKE_CURRENT_LIST_DIR}/pptx_bench.cpp ${sw_pptx_bench_builder})
target_include_directories(pptx_bench PRIVATE
    ${PROJECT_SOURCE_DIR}/tests/presentation ${PROJECT_SOURCE_DIR}/tests/support_code)
target_link_libraries(pptx_bench PRIVATE sw_presentation PkgConfig::LIBZIP benchmark::benchmark sw_common)
if(TARGET sw_pptx_builder)
    target_link_libraries(pptx_bench PRIVATE sw_pptx_builder)
endif()
target_compile_definitions(pptx_bench PRIVATE SW_PEAK_RSS_TOOL="$<TARGET_FILE:pptx_peak_rss>")
add_dependencies(pptx_bench pptx_peak_rss)
