# libFuzzer target for the binary .ppt reader (clang only). The reader's
# libraries are instrumented for coverage as well, or the fuzzer runs blind.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    set(sw_ppt_fuzz_flags -fsanitize=fuzzer,address,undefined)
    foreach(lib sw_ppt sw_pres_base)
        target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
    endforeach()
    add_executable(ppt_reader_fuzz ${CMAKE_CURRENT_LIST_DIR}/ppt_reader_fuzz.cpp)
    target_compile_options(ppt_reader_fuzz PRIVATE ${sw_ppt_fuzz_flags})
    target_link_options(ppt_reader_fuzz PRIVATE ${sw_ppt_fuzz_flags})
    target_link_libraries(ppt_reader_fuzz PRIVATE sw_ppt sw_common)
endif()
