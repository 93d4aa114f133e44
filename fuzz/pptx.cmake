# libFuzzer targets for the .pptx reader (clang only). The engine libraries
# are instrumented for coverage here too, or the fuzzer would run blind.
#  - pptx_reader_fuzz: the input is a whole package;
#  - pptx_xml_fuzz: the input is one part of a package built around it (the
#    test package builder is compiled in, the tests being off in fuzz builds).
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    set(sw_pptx_fuzz_flags -fsanitize=fuzzer,address,undefined)
    foreach(lib sw_presentation sw_pres_base)
        target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
    endforeach()
    add_executable(pptx_reader_fuzz ${CMAKE_CURRENT_LIST_DIR}/pptx_reader_fuzz.cpp)
    target_compile_options(pptx_reader_fuzz PRIVATE ${sw_pptx_fuzz_flags})
    target_link_options(pptx_reader_fuzz PRIVATE ${sw_pptx_fuzz_flags})
    target_link_libraries(pptx_reader_fuzz PRIVATE sw_presentation sw_common)

    add_executable(pptx_xml_fuzz ${CMAKE_CURRENT_LIST_DIR}/pptx_xml_fuzz.cpp
        ${PROJECT_SOURCE_DIR}/tests/presentation/PptxBuilder.cpp)
    target_include_directories(pptx_xml_fuzz PRIVATE ${PROJECT_SOURCE_DIR}/tests/presentation)
    target_compile_options(pptx_xml_fuzz PRIVATE ${sw_pptx_fuzz_flags})
    target_link_options(pptx_xml_fuzz PRIVATE ${sw_pptx_fuzz_flags})
    target_link_libraries(pptx_xml_fuzz PRIVATE sw_presentation PkgConfig::LIBZIP sw_common)
endif()
