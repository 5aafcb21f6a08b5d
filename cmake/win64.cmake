# Windows x64 build: the Win32 layer, the DLLs, the host stand-in and the Wine tests.

set(SCRV_BIN ${CMAKE_BINARY_DIR}/bin)
set(SCRV_WIN_DEFS UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00 _WIN32_IE=0x0A00)
# Everything is linked statically against the mingw runtime: nothing but system DLLs beside us.
set(SCRV_STATIC_LINK -static -static-libgcc -static-libstdc++)
set(SCRV_SYS_LIBS comctl32 uxtheme shlwapi shell32 ole32 oleaut32 uuid comdlg32 advapi32
    gdi32 user32 kernel32 windowscodecs version wintrust oleacc)

target_compile_definitions(scrvcore PUBLIC ${SCRV_WIN_DEFS})

# Binaries are built with debug information and shipped without it: after each link the debug
# sections move to build/win64/debug/<file>.debug, and the binary keeps only a link to that file
# (crash dumps and debuggers still find it). The library then maps in a few milliseconds instead
# of reading megabytes of debug information on every load, and every Wine test process starts
# faster. Tests, the gallery and the benchmarks run these same stripped binaries.
set(SCRV_DEBUG_DIR ${CMAKE_BINARY_DIR}/debug)
file(MAKE_DIRECTORY ${SCRV_DEBUG_DIR})
function(scrv_split_debug target)
  set(dbg ${SCRV_DEBUG_DIR}/$<TARGET_FILE_NAME:${target}>.debug)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> ${dbg}
    COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${dbg} $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()

add_library(scrvwin STATIC ${SCRV_WIN_SOURCES})
target_link_libraries(scrvwin PUBLIC scrvcore ${SCRV_SYS_LIBS})
target_compile_options(scrvwin PRIVATE -Wall -Wextra -Wno-cast-function-type -Wno-missing-field-initializers)
# The system headers are most of what every Win32 file compiles: parse them once per target.
set(SCRV_WIN_PCH <windows.h> <commctrl.h> <shlobj.h> <string> <vector> <algorithm> <optional>
    <functional> <cstdint> <cstring>)
target_precompile_headers(scrvwin PRIVATE ${SCRV_WIN_PCH})
# Test programs are built without debug information: nobody steps through them under Wine, and
# it is half of their compile time. They still test the library's own optimised code.
set(SCRV_TEST_PCH ${SCRV_WIN_PCH} <gtest/gtest.h> <filesystem> <map> <fstream>)

# The library's image. The linker keeps only the sections that an export, the entry point or a
# static initialiser reaches (--gc-sections). Sections start on page boundaries in the file as
# in memory (--file-alignment equal to the section alignment): the loader can then map them
# straight from the file, where with the default 512-byte alignment Wine reads the whole image
# into fresh memory on every load.
set(SCRV_PAGE_ALIGNED -Wl,--file-alignment=0x1000,--section-alignment=0x1000)

# The library. Its entry point (frame/dllmain_win.cpp) is in scrvwin with the rest: the DLL's
# start-up code asks for DllMain, which the linker then takes from there.
add_library(scrvdlgs SHARED ${CMAKE_SOURCE_DIR}/src/exports.def ${CMAKE_SOURCE_DIR}/src/scrvdlgs.rc)
set_target_properties(scrvdlgs PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${SCRV_BIN}
                      LINKER_LANGUAGE CXX)
target_link_libraries(scrvdlgs PRIVATE scrvwin)
target_link_options(scrvdlgs PRIVATE ${SCRV_STATIC_LINK} -Wl,--gc-sections ${SCRV_PAGE_ALIGNED})
scrv_split_debug(scrvdlgs)

file(GLOB SCRV_ID_HEADERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/ids/*.h)
# Resource-only modules: no code, no entry point.
function(scrv_resource_dll name outdir)
  add_library(${name} SHARED ${ARGN} ${CMAKE_SOURCE_DIR}/resources/resource_module_entry.c)
  set_target_properties(${name} PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${outdir} LINKER_LANGUAGE C)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/resources/ids)
  target_link_options(${name} PRIVATE -nostdlib -Wl,-e,ResourceModuleEntry -s ${SCRV_PAGE_ALIGNED})
endfunction()
# scrvloc.rc includes every subsystem's script; the linker cannot merge string tables that
# several resource objects share, so the module is one compilation.
set(SCRV_LOC_RC ${CMAKE_SOURCE_DIR}/resources/scrvloc/scrvloc.rc)
file(GLOB SCRV_LOC_PARTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/scrvloc/*.rc)
scrv_resource_dll(scrvloc ${SCRV_BIN}/mui/1033 ${SCRV_LOC_RC})
scrv_resource_dll(scrvres ${SCRV_BIN} ${CMAKE_SOURCE_DIR}/resources/scrvres/scrvres.rc)
# The image module's pictures: a changed icon or bitmap rebuilds it.
file(GLOB SCRV_RES_IMAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/scrvres/*.ico
     ${CMAKE_SOURCE_DIR}/resources/scrvres/*.bmp)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/resources/scrvres/scrvres.rc APPEND PROPERTY OBJECT_DEPENDS
             ${SCRV_RES_IMAGES} ${SCRV_ID_HEADERS})
configure_file(${CMAKE_SOURCE_DIR}/resources/scrvloc/info.ini ${SCRV_BIN}/mui/1033/info.ini COPYONLY)
set_property(SOURCE ${SCRV_LOC_RC} APPEND PROPERTY OBJECT_DEPENDS ${SCRV_ID_HEADERS} ${SCRV_LOC_PARTS})

# The host stand-in and its gallery.
# Its window, demo table and gallery are a library of their own, which the open-cost benchmark
# shares, so that every dialog of the gallery is also measured with the same sample data.
file(GLOB SCRV_HOST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/host/*.cpp)
list(FILTER SCRV_HOST_SOURCES EXCLUDE REGEX "host_main\\.cpp$")
add_library(scrvhostlib STATIC ${SCRV_HOST_SOURCES})
target_link_libraries(scrvhostlib PUBLIC scrvdlgs scrvcore ${SCRV_SYS_LIBS})
target_include_directories(scrvhostlib PUBLIC ${CMAKE_SOURCE_DIR}/host ${CMAKE_SOURCE_DIR}/resources/ids ${CMAKE_SOURCE_DIR}/src)
target_compile_definitions(scrvhostlib PUBLIC ${SCRV_WIN_DEFS})
target_precompile_headers(scrvhostlib PRIVATE ${SCRV_WIN_PCH})
add_executable(scrvhost WIN32 ${CMAKE_SOURCE_DIR}/host/host_main.cpp ${CMAKE_SOURCE_DIR}/host/scrvhost.rc)
set_target_properties(scrvhost PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${SCRV_BIN})
target_link_libraries(scrvhost PRIVATE scrvhostlib)
target_link_options(scrvhost PRIVATE ${SCRV_STATIC_LINK} -municode)
add_dependencies(scrvhost scrvloc scrvres)
scrv_split_debug(scrvhost)

# The pseudo-localised localisation module, generated from the real scripts at build time (every
# text longer by at least 40 %, accented and bracketed, see cmake/pseudo_localise.py), in a test
# copy of the program folder that only the tests and the gallery use: build/win64/pseudo holds
# the library, its image module, the plug-ins, the host stand-in and the gallery walk beside
# "mui/1281" (the pseudo locale) as its one language folder, which the library then loads as
# it would any single installed language. Nothing of it is in bin/.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
set(SCRV_PSEUDO_SRC ${CMAKE_BINARY_DIR}/pseudo-src)
set(SCRV_PSEUDO_APP ${CMAKE_BINARY_DIR}/pseudo)
set(SCRV_PSEUDO_INPUTS ${SCRV_LOC_PARTS} ${CMAKE_SOURCE_DIR}/resources/ids/commands.inc)
set(SCRV_PSEUDO_OUTPUTS)
foreach(f IN LISTS SCRV_PSEUDO_INPUTS)
  get_filename_component(n ${f} NAME)
  list(APPEND SCRV_PSEUDO_OUTPUTS ${SCRV_PSEUDO_SRC}/${n})
endforeach()
add_custom_command(OUTPUT ${SCRV_PSEUDO_OUTPUTS}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/cmake/pseudo_localise.py ${SCRV_PSEUDO_SRC}
          ${SCRV_PSEUDO_INPUTS}
  DEPENDS ${SCRV_PSEUDO_INPUTS} ${CMAKE_SOURCE_DIR}/cmake/pseudo_localise.py VERBATIM)
scrv_resource_dll(scrvloc_pseudo ${SCRV_PSEUDO_APP}/mui/1281 ${SCRV_PSEUDO_SRC}/scrvloc.rc)
set_target_properties(scrvloc_pseudo PROPERTIES OUTPUT_NAME scrvloc
                      ARCHIVE_OUTPUT_DIRECTORY ${SCRV_PSEUDO_SRC})
target_include_directories(scrvloc_pseudo BEFORE PRIVATE ${SCRV_PSEUDO_SRC})
set_property(SOURCE ${SCRV_PSEUDO_SRC}/scrvloc.rc APPEND PROPERTY OBJECT_DEPENDS
             ${SCRV_ID_HEADERS} ${SCRV_PSEUDO_OUTPUTS})
configure_file(${CMAKE_SOURCE_DIR}/tests/gallery/pseudo/info.ini ${SCRV_PSEUDO_APP}/mui/1281/info.ini
               COPYONLY)

# GoogleTest, cross-built.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(t gtest gtest_main gmock gmock_main)
  target_compile_options(${t} PRIVATE -g0)
endforeach()

include(GoogleTest)
file(GLOB SCRV_WIN_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
# The host stand-in's rebar plays the editor's toolbars in the tests too.
add_executable(win_tests ${SCRV_WIN_TESTS} ${CMAKE_SOURCE_DIR}/host/host_rebar.cpp)
set_target_properties(win_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${SCRV_BIN})
target_compile_options(win_tests PRIVATE -g0)
target_precompile_headers(win_tests PRIVATE ${SCRV_TEST_PCH})
target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/win)
target_link_libraries(win_tests PRIVATE scrvwin gtest_main gmock)
target_link_options(win_tests PRIVATE ${SCRV_STATIC_LINK})
add_dependencies(win_tests scrvdlgs scrvloc scrvres)
scrv_split_debug(win_tests)

# The walks over every dialog of the gallery (dark theme, accessible names) call the built
# library through the host's demo table, as the gallery does.
file(GLOB SCRV_GALLERY_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/gallery/*.cpp)
add_executable(gallery_tests ${SCRV_GALLERY_TESTS} ${CMAKE_SOURCE_DIR}/tests/win/test_support.cpp
  ${CMAKE_SOURCE_DIR}/host/scrvhost.rc)
set_target_properties(gallery_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${SCRV_BIN})
target_compile_options(gallery_tests PRIVATE -g0)
target_precompile_headers(gallery_tests PRIVATE ${SCRV_TEST_PCH})
target_include_directories(gallery_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/win)
target_link_libraries(gallery_tests PRIVATE scrvhostlib oleacc gtest_main)
target_link_options(gallery_tests PRIVATE ${SCRV_STATIC_LINK})
add_dependencies(gallery_tests scrvdlgs scrvloc scrvres)
scrv_split_debug(gallery_tests)

# One Wine environment (Xvfb + persistent wineserver) for the whole run.
set(SCRV_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
add_test(NAME wine_env_start COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-env start ${SCRV_WINE_DIR})
add_test(NAME wine_env_stop COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-env stop ${SCRV_WINE_DIR})
set_tests_properties(wine_env_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
set_tests_properties(wine_env_stop PROPERTIES FIXTURES_CLEANUP wine)

# One test process per test file, running that file's suites: each test still starts from its
# own fixture's clean settings and its own load of the library, and the run pays a Wine start
# per file instead of one per test (fewer starts, fewer chances for one to fail).
set(SCRV_WIN_TEST_LIST)
foreach(src IN LISTS SCRV_WIN_TESTS)
  get_filename_component(name ${src} NAME_WE)
  file(STRINGS ${src} lines REGEX "^[ \t]*TEST(_F|_P)?\\(")
  set(suites)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*TEST(_F|_P)?\\([ \t]*([A-Za-z0-9_]+).*" "\\2" suite "${line}")
    list(APPEND suites ${suite})
  endforeach()
  if(NOT suites)
    continue()
  endif()
  list(REMOVE_DUPLICATES suites)
  set(filter)
  foreach(suite IN LISTS suites)
    list(APPEND filter "${suite}.*" "*/${suite}.*")  # TEST_P names carry a prefix
  endforeach()
  list(JOIN filter ":" filter)
  add_test(NAME win.${name} COMMAND win_tests --gtest_filter=${filter})
  list(APPEND SCRV_WIN_TEST_LIST win.${name})
endforeach()
# Wine tests share one prefix (and so one registry): run them one at a time.
set_tests_properties(${SCRV_WIN_TEST_LIST} PROPERTIES
  FIXTURES_REQUIRED wine RESOURCE_LOCK wineprefix TIMEOUT 600
  ENVIRONMENT "SCRV_WINE_DIR=${SCRV_WINE_DIR}")

gtest_add_tests(TARGET gallery_tests SOURCES ${SCRV_GALLERY_TESTS} TEST_LIST SCRV_GALLERY_TEST_LIST)
set_tests_properties(${SCRV_GALLERY_TEST_LIST} PROPERTIES
  FIXTURES_REQUIRED wine RESOURCE_LOCK wineprefix TIMEOUT 300
  ENVIRONMENT "SCRV_WINE_DIR=${SCRV_WINE_DIR}")
# The same walks on a 150 % desktop, in a prefix of their own.
set(SCRV_WINE150_DIR ${CMAKE_BINARY_DIR}/wine150)
add_test(NAME wine150_env_start COMMAND ${CMAKE_COMMAND} -E env SCRV_WINE_DPI=144
         ${CMAKE_SOURCE_DIR}/scripts/wine-env start ${SCRV_WINE150_DIR})
add_test(NAME wine150_env_stop COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-env stop ${SCRV_WINE150_DIR})
set_tests_properties(wine150_env_start PROPERTIES FIXTURES_SETUP wine150 TIMEOUT 300)
set_tests_properties(wine150_env_stop PROPERTIES FIXTURES_CLEANUP wine150)
add_test(NAME gallery144.GalleryWalk COMMAND gallery_tests --gtest_filter=GalleryWalk.*)
set_tests_properties(gallery144.GalleryWalk PROPERTIES
  FIXTURES_REQUIRED wine150 RESOURCE_LOCK wineprefix TIMEOUT 600
  ENVIRONMENT "SCRV_WINE_DIR=${SCRV_WINE150_DIR};SCRV_WINE_DPI=144")

# The pseudo-localised language, from the test copy of the program folder: the fit and screen
# rules only, in the light theme, at 96 and at 144 DPI (the gallery run adds 120 and 192).
foreach(pass IN ITEMS "96;${SCRV_WINE_DIR};wine" "144;${SCRV_WINE150_DIR};wine150")
  list(GET pass 0 dpi)
  list(GET pass 1 dir)
  list(GET pass 2 fixture)
  add_test(NAME pseudo${dpi}.GalleryWalk COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run
           ${SCRV_PSEUDO_APP}/gallery_tests.exe
           --gtest_filter=GalleryWalk.EveryDialogKeepsEveryRuleInTheLightTheme)
  set_tests_properties(pseudo${dpi}.GalleryWalk PROPERTIES
    FIXTURES_REQUIRED ${fixture} RESOURCE_LOCK wineprefix TIMEOUT 300
    ENVIRONMENT "SCRV_WINE_DIR=${dir};SCRV_WALK_RULES=fit,screen")
endforeach()

# The test copy of the program folder takes the same binaries after each build.
add_custom_target(pseudo_app ALL
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:scrvdlgs> $<TARGET_FILE:scrvres>
          $<TARGET_FILE:scrvhost> $<TARGET_FILE:gallery_tests> ${SCRV_PSEUDO_APP}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${SCRV_BIN}/PlugIns ${SCRV_PSEUDO_APP}/PlugIns
  VERBATIM)
add_dependencies(pseudo_app scrvdlgs scrvres scrvhost gallery_tests scrvloc_pseudo)

# Timing harnesses, run by hand under Wine (never as tests).
file(GLOB SCRV_WIN_BENCH CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/win/*.cpp)
# The baseline of the load benchmark: a DLL that does nothing.
add_library(trivial_dll SHARED ${CMAKE_SOURCE_DIR}/bench/win/trivial_dll.c)
set_target_properties(trivial_dll PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${SCRV_BIN})
target_link_options(trivial_dll PRIVATE -s)
# The open-cost benchmark calls the built library through the host's demo table, so it links the
# host's code (and its manifest) rather than the library's.
foreach(src IN LISTS SCRV_WIN_BENCH)
  get_filename_component(name ${src} NAME_WE)
  if(name STREQUAL "open_cost_bench")
    add_executable(${name} ${src} ${CMAKE_SOURCE_DIR}/host/scrvhost.rc)
    target_link_libraries(${name} PRIVATE scrvhostlib)
  else()
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE scrvwin)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${SCRV_BIN})
  target_link_options(${name} PRIVATE ${SCRV_STATIC_LINK})
  add_dependencies(${name} scrvdlgs scrvloc scrvres trivial_dll)
  scrv_split_debug(${name})
endforeach()

# Plug-ins for the tests and the gallery, in the "PlugIns" folder beside the library: one source
# built once per kind.
set(SCRV_TEST_PLUGINS Outline:PLUGIN_OUTLINE CharacterMap:PLUGIN_CHARMAP Clock:PLUGIN_CLOCK
    NoEvents:PLUGIN_NOEVENTS Unruly:PLUGIN_UNRULY)
file(GLOB SCRV_TEST_PLUGIN_IMAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/plugins/*.bmp)
foreach(entry IN LISTS SCRV_TEST_PLUGINS)
  string(REPLACE ":" ";" parts ${entry})
  list(GET parts 0 name)
  list(GET parts 1 kind)
  set(target plugin_${name})
  add_library(${target} SHARED ${CMAKE_SOURCE_DIR}/tests/plugins/test_plugin.cpp
              ${CMAKE_SOURCE_DIR}/tests/plugins/test_plugin.rc)
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${name}
                        RUNTIME_OUTPUT_DIRECTORY ${SCRV_BIN}/PlugIns)
  target_compile_definitions(${target} PRIVATE ${kind} PLUGIN_NAME=L\"${name}\" UNICODE _UNICODE)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests/plugins)
  target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti)
  target_link_options(${target} PRIVATE -static-libgcc -s)
  set_property(SOURCE ${CMAKE_SOURCE_DIR}/tests/plugins/test_plugin.rc APPEND PROPERTY
               OBJECT_DEPENDS ${SCRV_TEST_PLUGIN_IMAGES})
  add_dependencies(win_tests ${target})
  add_dependencies(scrvhost ${target})
  add_dependencies(open_cost_bench ${target})
endforeach()
