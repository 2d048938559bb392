# Compiler settings shared by every target of the project.
add_library(dudedur_build_flags INTERFACE)
target_compile_options(dudedur_build_flags INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                       -Wno-sign-conversion)
# GCC 12 reports false -Wrestrict overlaps inside std::string concatenation at -O3.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(dudedur_build_flags INTERFACE -Wno-restrict)
endif()
if(DUDEDUR_WERROR)
    target_compile_options(dudedur_build_flags INTERFACE -Werror)
endif()
if(DUDEDUR_SANITIZE)
    target_compile_options(dudedur_build_flags INTERFACE -fsanitize=address,undefined
                           -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(dudedur_build_flags INTERFACE -fsanitize=address,undefined)
    # Under the sanitizers GCC 12 reports false -Wmaybe-uninitialized inside <regex> and
    # <functional>; the release build keeps the warning.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(dudedur_build_flags INTERFACE -Wno-maybe-uninitialized)
    endif()
    # Added to every executable.
    set(DUDEDUR_SANITIZER_SOURCES ${CMAKE_CURRENT_LIST_DIR}/leak_suppressions.cpp)
endif()

if(DUDEDUR_FUZZ)
    # Coverage for libFuzzer and the sanitizers that turn silent faults into crashes; the fuzz
    # targets themselves link the fuzzer's main.
    target_compile_options(dudedur_build_flags INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                           -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(dudedur_build_flags INTERFACE -fsanitize=address,undefined)
endif()

# dudedur_library(<name> SOURCES ... [DEPS ...]): one static library of a subsystem folder.
function(dudedur_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC dudedur_build_flags ${ARG_DEPS})
endfunction()

# dudedur_test(<name> SOURCES ... [DEPS ...]): one GoogleTest executable registered with CTest.
function(dudedur_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES} ${DUDEDUR_SANITIZER_SOURCES})
    target_link_libraries(${name} PRIVATE dudedur_build_flags ${ARG_DEPS} GTest::gtest GTest::gtest_main)
    target_compile_definitions(${name} PRIVATE DUDEDUR_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
                               DUDEDUR_BINARY="$<TARGET_FILE:dudedur>")
    add_dependencies(${name} dudedur)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "LC_ALL=C.UTF-8")
endfunction()
