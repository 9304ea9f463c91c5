#include "platform/win32/wide_text.h"

#include <windows.h>

namespace kistvar::win32 {

namespace {

// CreateDirectoryW leaves room for an 8.3 name inside MAX_PATH, so folders hit
// the limit 12 characters earlier than files do.
constexpr std::size_t longest_plain_path = MAX_PATH - 12 - 1;

bool starts_with(std::wstring_view text, std::wstring_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::wstring full_path(const std::wstring& path) {
    DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::wstring full(needed, L'\0');
    DWORD written = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (written == 0 || written >= needed) return path;
    full.resize(written);
    return full;
}

}  // namespace

std::wstring widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    return wide;
}

std::string narrow(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    int length = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0,
                                     nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), utf8.data(), length, nullptr,
                        nullptr);
    return utf8;
}

void copy_widened(std::string_view utf8, wchar_t* buffer, int capacity) {
    if (capacity < 1) return;
    const int room = capacity - 1;
    int length = 0;
    if (room > 0 && !utf8.empty()) {
        // Straight into the buffer: the list asks for every title it draws.
        length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), buffer, room);
        if (length == 0) length = static_cast<int>(widen(utf8).copy(buffer, static_cast<std::size_t>(room)));
    }
    buffer[length] = L'\0';
}

std::wstring widen_path(std::string_view utf8_path) {
    std::wstring path = widen(utf8_path);
    if (path.size() <= longest_plain_path || starts_with(path, L"\\\\?\\")) return path;
    std::wstring full = full_path(path);
    if (starts_with(full, L"\\\\?\\") || starts_with(full, L"\\\\.\\")) return full;
    if (starts_with(full, L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

}  // namespace kistvar::win32
