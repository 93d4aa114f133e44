# Shared compile settings: every target of the project links sw_common.
add_library(sw_common INTERFACE)
target_compile_features(sw_common INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(sw_common INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(sw_common INTERFACE
    SW_VERSION="${PROJECT_VERSION}")

set(SW_SANITIZE "" CACHE STRING "Sanitizers to build with: address,undefined or thread")
if(SW_SANITIZE)
    target_compile_options(sw_common INTERFACE -fsanitize=${SW_SANITIZE} -fno-omit-frame-pointer)
    target_link_options(sw_common INTERFACE -fsanitize=${SW_SANITIZE})
endif()
