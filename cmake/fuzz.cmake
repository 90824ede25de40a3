# The libFuzzer target of the file readers (system, calibration, forecast): only with
# -DZUVO_FUZZ=ON and a clang compiler (fuzz/run.sh configures such a build). Otherwise this file does nothing.
option(ZUVO_FUZZ "Build the fuzz target of the file readers (clang only)" OFF)
if(NOT ZUVO_FUZZ)
    return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(WARNING "ZUVO_FUZZ needs clang (e.g. CXX=clang++-14); no fuzz target is built")
    return()
endif()

# The reader's sources are compiled into the target itself so that libFuzzer sees their coverage.
add_executable(fuzz_system_file
    ${CMAKE_SOURCE_DIR}/fuzz/fuzz_system_file.cpp
    ${CMAKE_SOURCE_DIR}/src/io/system_file.cpp
    ${CMAKE_SOURCE_DIR}/src/io/calibration_file.cpp
    ${CMAKE_SOURCE_DIR}/src/io/forecast_file.cpp
    ${CMAKE_SOURCE_DIR}/src/io/whole_file.cpp)
target_include_directories(fuzz_system_file PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/fuzz)
target_link_libraries(fuzz_system_file PRIVATE Qt6::Core)
target_compile_options(fuzz_system_file PRIVATE -fsanitize=fuzzer,address,undefined
    -fno-omit-frame-pointer)
target_link_options(fuzz_system_file PRIVATE -fsanitize=fuzzer,address,undefined)
set_target_properties(fuzz_system_file PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz
    AUTOMOC OFF)
