// Running processes through a Toolhelp snapshot.
#include "platform/processes.h"

#include <windows.h>
#include <tlhelp32.h>

#include "platform/win32/wide_text.h"

namespace kistvar {

bool process_running(std::string_view program_file_name) {
    const std::wstring wanted = win32::widen(program_file_name);
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry))
        found = CompareStringOrdinal(entry.szExeFile, -1, wanted.c_str(), -1, TRUE) == CSTR_EQUAL;
    CloseHandle(snapshot);
    return found;
}

}  // namespace kistvar
