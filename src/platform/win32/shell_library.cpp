#include "platform/win32/shell_library.h"

namespace kistvar::win32 {

FARPROC shell_procedure(const char* name) {
    // A known DLL: always the system's own, never a shell32.dll beside the program.
    static const HMODULE shell = LoadLibraryW(L"shell32.dll");
    return shell ? GetProcAddress(shell, name) : nullptr;
}

}  // namespace kistvar::win32
