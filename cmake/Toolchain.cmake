# Compiler settings shared by every target of the project.

# Doubles are evaluated exactly in the order the source writes them: no fused multiply-add may
# merge a product into a sum, on any CPU. MSVC's /fp:precise contracts nothing unless /fp:contract
# is given; /utf-8 makes it read the sources as the UTF-8 they are.
if(MSVC)
    add_compile_options(/fp:precise /utf-8 /permissive-)
else()
    add_compile_options(-ffp-contract=off)
endif()

add_library(veltrix_warnings INTERFACE)
if(MSVC)
    target_compile_options(veltrix_warnings INTERFACE /W4)
    if(VELTRIX_WERROR)
        target_compile_options(veltrix_warnings INTERFACE /WX)
    endif()
else()
    target_compile_options(veltrix_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow
        -Wconversion -Wno-sign-conversion)
    if(VELTRIX_WERROR)
        target_compile_options(veltrix_warnings INTERFACE -Werror)
    endif()
endif()

# An optimised Linux build is hardened as Debian builds its packages: string and memory functions
# checked where sizes are known, stack guards, and the program's relocations resolved at load
# and made read-only. Sanitizer builds do their own checking.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND NOT VELTRIX_SANITIZERS
        AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    add_compile_options(-D_FORTIFY_SOURCE=2 -fstack-protector-strong)
    add_link_options(-Wl,-z,relro,-z,now)
endif()

if(VELTRIX_SANITIZERS)
    list(JOIN VELTRIX_SANITIZERS "," _veltrix_sanitizer_list)
    add_compile_options(-fsanitize=${_veltrix_sanitizer_list} -fno-omit-frame-pointer
        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=${_veltrix_sanitizer_list})
endif()

if(VELTRIX_BUILD_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "The fuzz targets need clang's libFuzzer (configure with the fuzz preset)")
    endif()
    # Coverage feedback for libFuzzer from every library a fuzz target links; the targets
    # themselves link the fuzzer's own main (fuzz/CMakeLists.txt).
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
