# Generator of the whole-run benchmark's corpus (bench/whole-run.sh runs it).
if(TARGET sw_pptx_builder AND TARGET sw_ppt_builder)
    add_executable(make_bench_corpus ${CMAKE_CURRENT_LIST_DIR}/MakeCorpus.cpp)
    target_link_libraries(make_bench_corpus PRIVATE sw_pptx_builder sw_ppt_builder sw_common)
endif()
