// Running processes, from the system's list of them.
#include "platform/processes.h"

#include <windows.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/win32/wide_text.h"

namespace kistvar {

namespace {

bool is_program(std::wstring_view image, const std::wstring& wanted) {
    return CompareStringOrdinal(image.data(), static_cast<int>(image.size()), wanted.data(),
                                static_cast<int>(wanted.size()), TRUE) == CSTR_EQUAL;
}

// The list in one call. Every swap asks, and under Wine a Toolhelp snapshot
// of the same list costs three times as much. Nothing when the call fails.
std::optional<bool> listed_by_the_system(const std::wstring& wanted) {
    using Query = NTSTATUS(NTAPI*)(SYSTEM_INFORMATION_CLASS, PVOID, ULONG, PULONG);
    static const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    constexpr NTSTATUS too_small = static_cast<NTSTATUS>(0xC0000004L);  // STATUS_INFO_LENGTH_MISMATCH
    static std::vector<unsigned char> buffer(1 << 16);
    if (query == nullptr) return std::nullopt;
    NTSTATUS status;
    ULONG needed = 0;
    while ((status = query(SystemProcessInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed)) ==
               too_small &&
           buffer.size() < (1u << 26))
        buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed));
    if (status < 0) return std::nullopt;
    for (std::size_t at = 0;;) {
        const auto& process = *reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(buffer.data() + at);
        const UNICODE_STRING& image = process.ImageName;
        if (image.Buffer != nullptr && is_program({image.Buffer, image.Length / sizeof(wchar_t)}, wanted)) return true;
        if (process.NextEntryOffset == 0) return false;
        at += process.NextEntryOffset;
    }
}

bool listed_in_a_snapshot(const std::wstring& wanted) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry))
        found = is_program(entry.szExeFile, wanted);
    CloseHandle(snapshot);
    return found;
}

}  // namespace

bool process_running(std::string_view program_file_name) {
    const std::wstring wanted = win32::widen(program_file_name);
    if (std::optional<bool> listed = listed_by_the_system(wanted)) return *listed;
    return listed_in_a_snapshot(wanted);
}

}  // namespace kistvar
