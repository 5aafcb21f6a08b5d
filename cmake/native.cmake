# Native build: the portable core, its tests, fuzz targets and benchmarks.

if(SCRV_SANITIZE)
  set(SCRV_SAN_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_compile_options(scrvcore PUBLIC ${SCRV_SAN_FLAGS})
  target_link_options(scrvcore PUBLIC ${SCRV_SAN_FLAGS})
endif()

# The sanitizers the fuzz targets run under. CI's smoke runs keep both; a long run of one target
# can take "undefined" alone, several times faster than with the address sanitizer.
set(SCRV_FUZZ_SANITIZERS "address,undefined" CACHE STRING "Sanitizers for the libFuzzer targets")

if(SCRV_FUZZ)
  target_compile_options(scrvcore PUBLIC -fsanitize=fuzzer-no-link,${SCRV_FUZZ_SANITIZERS})
  target_link_options(scrvcore PUBLIC -fsanitize=${SCRV_FUZZ_SANITIZERS})
  file(GLOB SCRV_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*.cpp)
  foreach(src IN LISTS SCRV_FUZZ_SOURCES)
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE scrvcore)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    # Smoke run for CI: a few seconds over the seed corpus and fresh inputs.
    set(corpus ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
    set(work ${CMAKE_BINARY_DIR}/fuzz-work/${name})
    add_test(NAME ${name}_smoke
      COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
              sh -c "mkdir -p '${work}' && exec '$<TARGET_FILE:${name}>' -max_total_time=4 -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 '${work}' '${corpus}'")
  endforeach()
  return()
endif()

find_package(GTest REQUIRED)
include(GoogleTest)
file(GLOB SCRV_NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
add_executable(native_tests ${SCRV_NATIVE_TESTS})
target_include_directories(native_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/native)
target_link_libraries(native_tests PRIVATE scrvcore GTest::gtest GTest::gtest_main GTest::gmock)
# The test framework's header is most of what a test file compiles: parse it once.
target_precompile_headers(native_tests PRIVATE <gtest/gtest.h> <string> <vector> <algorithm>
                          <optional> <cstdint>)
# Tests that read the resource scripts and number headers themselves.
target_compile_definitions(native_tests PRIVATE SCRV_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
gtest_discover_tests(native_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60)

# The localisation module's resources, compiled to a .res file that the native tests read: the
# page search is tested against the real templates and strings.
find_program(SCRV_WINDRES x86_64-w64-mingw32-windres)
if(SCRV_WINDRES)
  set(SCRV_LOC_RES ${CMAKE_BINARY_DIR}/scrvloc.res)
  file(GLOB SCRV_LOC_INPUTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/scrvloc/*.rc
       ${CMAKE_SOURCE_DIR}/resources/ids/*.h)
  add_custom_command(OUTPUT ${SCRV_LOC_RES}
    COMMAND ${SCRV_WINDRES} -I ${CMAKE_SOURCE_DIR}/resources/ids -I ${CMAKE_SOURCE_DIR}/resources/scrvloc
            ${CMAKE_SOURCE_DIR}/resources/scrvloc/scrvloc.rc -O res -o ${SCRV_LOC_RES}
    DEPENDS ${SCRV_LOC_INPUTS} VERBATIM)
  # The pseudo-localised scripts the Windows build makes its test language from, compiled the
  # same way: the native tests hold every text of it against the real one.
  find_package(Python3 COMPONENTS Interpreter REQUIRED)
  set(SCRV_PSEUDO_SRC ${CMAKE_BINARY_DIR}/pseudo-src)
  set(SCRV_PSEUDO_RES ${CMAKE_BINARY_DIR}/scrvloc-pseudo.res)
  file(GLOB SCRV_LOC_PARTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/scrvloc/*.rc)
  add_custom_command(OUTPUT ${SCRV_PSEUDO_RES}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/cmake/pseudo_localise.py ${SCRV_PSEUDO_SRC}
            ${SCRV_LOC_PARTS} ${CMAKE_SOURCE_DIR}/resources/ids/commands.inc
    COMMAND ${SCRV_WINDRES} -I ${SCRV_PSEUDO_SRC} -I ${CMAKE_SOURCE_DIR}/resources/ids
            ${SCRV_PSEUDO_SRC}/scrvloc.rc -O res -o ${SCRV_PSEUDO_RES}
    DEPENDS ${SCRV_LOC_INPUTS} ${CMAKE_SOURCE_DIR}/cmake/pseudo_localise.py VERBATIM)
  add_custom_target(scrvloc_res DEPENDS ${SCRV_LOC_RES} ${SCRV_PSEUDO_RES})
  add_dependencies(native_tests scrvloc_res)
  target_compile_definitions(native_tests PRIVATE SCRV_LOC_RES="${SCRV_LOC_RES}"
                             SCRV_PSEUDO_RES="${SCRV_PSEUDO_RES}")
endif()

find_package(benchmark QUIET)
# Built under the sanitizers too, so that the test run (which builds that preset) keeps them
# compiling; they are measured from the plain build.
if(benchmark_FOUND)
  file(GLOB SCRV_NATIVE_BENCH CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/native/*.cpp)
  foreach(src IN LISTS SCRV_NATIVE_BENCH)
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE scrvcore benchmark::benchmark)
    # Benchmarks over the real templates and strings read them as the native tests do.
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/native)
    if(SCRV_LOC_RES)
      add_dependencies(${name} scrvloc_res)
      target_compile_definitions(${name} PRIVATE SCRV_LOC_RES="${SCRV_LOC_RES}")
    endif()
  endforeach()
endif()
