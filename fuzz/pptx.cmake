# libFuzzer target for the .pptx reader (clang only). The engine libraries
# are instrumented for coverage here too, or the fuzzer would run blind.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    set(sw_pptx_fuzz_flags -fsanitize=fuzzer,address,undefined)
    foreach(lib sw_presentation sw_pres_base)
        target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
    endforeach()
    add_executable(pptx_reader_fuzz ${CMAKE_CURRENT_LIST_DIR}/pptx_reader_fuzz.cpp)
    target_compile_options(pptx_reader_fuzz PRIVATE ${sw_pptx_fuzz_flags})
    target_link_options(pptx_reader_fuzz PRIVATE ${sw_pptx_fuzz_flags})
    target_link_libraries(pptx_reader_fuzz PRIVATE sw_presentation sw_common)
endif()
