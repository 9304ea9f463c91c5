// The shell's functions, looked up in shell32.dll when first called. The
// program needs none of them to start, and loading shell32 (under Wine a good
// part of a start's DLL work) is left to the first drop, folder dialog or open.
#pragma once

#include <windows.h>

namespace kistvar::win32 {

// The named function of shell32.dll, or null when it cannot be had.
FARPROC shell_procedure(const char* name);

// shell_function<decltype(&SHGetFolderPathW)>("SHGetFolderPathW"): decltype
// names the type without importing the function.
template <typename Function>
Function shell_function(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(shell_procedure(name)));
}

}  // namespace kistvar::win32
