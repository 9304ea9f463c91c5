# Cross build of the Windows program with clang targeting MinGW-w64, on
# Debian's MinGW-w64 headers and import libraries and the C++ library of its
# MinGW g++ (POSIX threads), linked by lld. A second compiler over the same
# sources catches code that only one of them accepts.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER_TARGET ${triple})
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Debian's clang does not find the C++ library of the "-posix" MinGW g++ on
# its own: name its headers and its folder, and the POSIX threads it needs.
# That library was built with type_info compared by name out of line, as
# MinGW g++ predefines; clang must agree or type_info::operator== is defined twice.
file(GLOB gcc_dirs LIST_DIRECTORIES true /usr/lib/gcc/${triple}/*-posix)
if(NOT gcc_dirs)
  message(FATAL_ERROR "no MinGW-w64 g++ (POSIX threads) under /usr/lib/gcc/${triple}: run scripts/install-deps")
endif()
list(SORT gcc_dirs COMPARE NATURAL ORDER DESCENDING)
list(GET gcc_dirs 0 gcc_dir)
set(cxx_headers ${gcc_dir}/include/c++)
string(JOIN " " CMAKE_CXX_FLAGS_INIT -nostdinc++
       -isystem ${cxx_headers} -isystem ${cxx_headers}/${triple} -isystem ${cxx_headers}/backward
       -D__GXX_TYPEINFO_EQUALITY_INLINE=0 -D__GXX_MERGED_TYPEINFO_NAMES=0)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${gcc_dir} -Wno-unused-command-line-argument")
set(CMAKE_CXX_STANDARD_LIBRARIES "-lpthread")

# Test executables would run under Wine, as the MinGW g++ build's do.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
