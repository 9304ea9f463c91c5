#include "platform/win32/running_copy.h"

#include <windows.h>

#include <cstdint>
#include <cwchar>
#include <string>

#include "platform/dialogs.h"
#include "platform/win32/main_window.h"
#include "platform/win32/wide_text.h"

namespace kistvar::win32 {

namespace {

// A name for the program folder among the session's shared objects, which
// cannot hold "\": a hash of the folder, in any letter case the same.
std::wstring shared_name() {
    std::wstring folder = widen(program_folder());
    CharUpperBuffW(folder.data(), static_cast<DWORD>(folder.size()));
    std::uint64_t hash = 14695981039346656037u;  // FNV-1a
    for (wchar_t unit : folder) hash = (hash ^ unit) * 1099511628211u;
    wchar_t name[48];
    std::swprintf(name, 48, L"Local\\Kistvar-%016llx", static_cast<unsigned long long>(hash));
    return name;
}

struct Windows {
    DWORD process;
    HWND main = nullptr;     // the program's window
    HWND enabled = nullptr;  // a window that takes input: a message box or dialog while one is open
};

BOOL CALLBACK note_window(HWND window, LPARAM data) {
    auto& found = *reinterpret_cast<Windows*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != found.process || !IsWindowVisible(window)) return TRUE;
    wchar_t class_name[64] = {};
    GetClassNameW(window, class_name, 64);
    if (std::wcscmp(class_name, main_window_class_name) == 0) found.main = window;
    if (IsWindowEnabled(window) && found.enabled == nullptr) found.enabled = window;
    return TRUE;
}

// Brings the running copy's window forward, waiting a few seconds for it
// while that copy is still starting.
void bring_to_front(const volatile LONG& running_process) {
    for (int tries = 0; tries < 50; ++tries) {
        Windows found{static_cast<DWORD>(running_process)};
        if (found.process != 0) EnumWindows(note_window, reinterpret_cast<LPARAM>(&found));
        if (found.main != nullptr) {
            if (IsIconic(found.main)) ShowWindow(found.main, SW_RESTORE);
            // While a message box is open the window takes no input; the box comes forward.
            SetForegroundWindow(IsWindowEnabled(found.main) || found.enabled == nullptr ? found.main : found.enabled);
            return;
        }
        if (found.enabled != nullptr) {  // a question before the window exists (a first run)
            SetForegroundWindow(found.enabled);
            return;
        }
        Sleep(100);
    }
}

}  // namespace

bool hand_over_to_running_copy() {
    // Kept open while this copy runs; the system closes it when the copy ends.
    HANDLE block = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG),
                                      shared_name().c_str());
    if (block == nullptr) return false;  // nothing to tell by: run
    const bool another_runs = GetLastError() == ERROR_ALREADY_EXISTS;
    auto* running_process = static_cast<volatile LONG*>(MapViewOfFile(block, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(LONG)));
    if (running_process == nullptr) return false;
    if (!another_runs) {
        InterlockedExchange(running_process, static_cast<LONG>(GetCurrentProcessId()));
        return false;
    }
    bring_to_front(*running_process);
    UnmapViewOfFile(const_cast<LONG*>(running_process));
    CloseHandle(block);
    return true;
}

}  // namespace kistvar::win32
