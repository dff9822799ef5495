# Shared compiler settings for every target of the project: one INTERFACE target that each library,
# the executable and the tests link, so warnings, the language level and sanitizers are set in one place.
add_library(mt_common INTERFACE)
target_compile_features(mt_common INTERFACE cxx_std_20)
target_compile_definitions(mt_common INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CONTEXTLESS_CONNECT
    QT_NO_FOREACH
    MT_VERSION="${PROJECT_VERSION}"
    MT_RELEASE_DATE="${MT_RELEASE_DATE}")
target_compile_options(mt_common INTERFACE -Wall -Wextra -Wpedantic -Wnon-virtual-dtor)
# Release builds at -O2 rather than CMake's -O3, as distributions build: the program spends its time
# waiting on the line and the desktop, and -O3's inlining and unrolling made the code a start runs a
# sixth larger (269 against 224 KB) for no time a start or the benchmarks could tell apart.
target_compile_options(mt_common INTERFACE "$<$<CONFIG:Release>:-O2>")
# Shadowing is checked with GCC's local-only flavour; clang (the fuzz build) has no such flavour.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(mt_common INTERFACE -Wshadow=local)
endif()
# Relative relocations packed (DT_RELR): at each start the dynamic linker reads a few hundred bytes of
# them instead of 90 KB of relocation entries. Only where the linker makes them and this system's C
# library runs a program that has them (binutils 2.38 and glibc 2.36 on): the test program keeps a
# table of pointers, so that it has relative relocations to pack. The Debian package then asks for
# that C library (cmake/Packaging.cmake).
include(CheckCXXSourceRuns)
set(CMAKE_REQUIRED_LINK_OPTIONS "LINKER:-z,pack-relative-relocs")
check_cxx_source_runs([[
static const char* const names[] = {"a", "b", "c"};
int main(int argc, char**) { return names[argc % 3][0] == 'b' ? 0 : 1; }
]] MT_PACKED_RELOCS_RUN)
unset(CMAKE_REQUIRED_LINK_OPTIONS)
if(MT_PACKED_RELOCS_RUN)
    target_link_options(mt_common INTERFACE "LINKER:-z,pack-relative-relocs")
endif()
# Start-up code together: optimised GCC builds give each function a section of its own, and the
# program's link places the functions a start runs, listed in cmake/startup-order.ld (written by
# bench/startup/order.sh from profiles of a start), at the head of its code. A start then maps the
# quarter of the code's pages they fill instead of nearly all of them. Only where the linker takes
# the script (GNU ld and lld do); mt_startup_order() applies it to the program.
set(MT_STARTUP_ORDER_SCRIPT ${PROJECT_SOURCE_DIR}/cmake/startup-order.ld)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND NOT MT_SANITIZE AND NOT MT_FUZZ)
    include(CheckCXXSourceCompiles)
    set(CMAKE_REQUIRED_LINK_OPTIONS "LINKER:-T,${MT_STARTUP_ORDER_SCRIPT}")
    check_cxx_source_compiles("int main() { return 0; }" MT_STARTUP_ORDER_LINKS)
    unset(CMAKE_REQUIRED_LINK_OPTIONS)
endif()
set(_mt_optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
if(MT_STARTUP_ORDER_LINKS)
    target_compile_options(mt_common INTERFACE "$<${_mt_optimised}:-ffunction-sections>")
endif()
function(mt_startup_order target)
    if(MT_STARTUP_ORDER_LINKS)
        # The link map beside the program is what order.sh reads to find each function's section.
        target_link_options(${target} PRIVATE "$<${_mt_optimised}:LINKER:-T,${MT_STARTUP_ORDER_SCRIPT}>"
                                              "$<${_mt_optimised}:LINKER:-Map=$<TARGET_FILE:${target}>.map>")
        set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${MT_STARTUP_ORDER_SCRIPT})
    endif()
endfunction()
if(MT_WARNINGS_AS_ERRORS)
    target_compile_options(mt_common INTERFACE -Werror)
endif()
if(MT_FUZZ)
    # Coverage for the fuzzers in every library; only the fuzz targets link libFuzzer's main.
    target_compile_options(mt_common INTERFACE -fsanitize=fuzzer-no-link)
endif()
if(MT_SANITIZE)
    target_compile_options(mt_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                               -fno-sanitize-recover=undefined)
    target_link_options(mt_common INTERFACE -fsanitize=address,undefined)
endif()

# mt_add_library(NAME DIR LIBS...): a static library of every source file in DIR (not below it),
# linked to the given libraries (the layers below it and the Qt modules it uses).
function(mt_add_library name dir)
    file(GLOB _src CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
    add_library(${name} STATIC ${_src})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC mt_common ${ARGN})
endfunction()
