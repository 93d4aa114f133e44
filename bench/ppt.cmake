# Reading binary .ppt files built in code: a typical deck (20 slides) and a
# large one (500), beside the lower bound of only reading their PowerPoint
# Document stream out of the compound file.
if(NOT TARGET sw_ppt_builder)
    # Tests are off: build the test builder here.
    add_library(sw_ppt_builder STATIC
        ${PROJECT_SOURCE_DIR}/tests/presentation/ppt/RecordBuilder.cpp
        ${PROJECT_SOURCE_DIR}/tests/presentation/ppt/PptStreamWriter.cpp
        ${PROJECT_SOURCE_DIR}/tests/presentation/ppt/PptBuilder.cpp)
    target_include_directories(sw_ppt_builder PUBLIC ${PROJECT_SOURCE_DIR}/tests/presentation/ppt)
    target_link_libraries(sw_ppt_builder PUBLIC sw_common PRIVATE PkgConfig::LIBGSF)
endif()
add_executable(ppt_bench ${CMAKE_CURRENT_LIST_DIR}/ppt_bench.cpp)
target_link_libraries(ppt_bench PRIVATE sw_ppt sw_ppt_builder benchmark::benchmark sw_common)
