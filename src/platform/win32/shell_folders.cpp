// Where Windows keeps the player's folders, and where the program itself lives.
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "platform/dialogs.h"
#include "platform/win32/shell_library.h"
#include "platform/win32/wide_text.h"

namespace kistvar {

namespace {

std::wstring shell_folder(int csidl) {
    static const auto get_folder_path = win32::shell_function<decltype(&SHGetFolderPathW)>("SHGetFolderPathW");
    wchar_t path[MAX_PATH] = {};
    // Without CSIDL_FLAG_CREATE: a missing folder is reported, not made.
    if (!get_folder_path || FAILED(get_folder_path(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
    return path;
}

// For the functions that take a buffer and return the length they need.
template <typename Lookup>
std::wstring sized_lookup(Lookup lookup) {
    std::wstring path(MAX_PATH + 1, L'\0');
    UINT length = lookup(path.data(), static_cast<UINT>(path.size()));
    if (length >= path.size()) {
        path.assign(length + 1, L'\0');
        length = lookup(path.data(), static_cast<UINT>(path.size()));
        if (length >= path.size()) return {};
    }
    path.resize(length);
    return path;
}

std::wstring folder_of_number(int number) {
    switch (number) {
        case 1: return shell_folder(CSIDL_PERSONAL);
        case 2: return shell_folder(CSIDL_FAVORITES);
        case 3: return shell_folder(CSIDL_DESKTOPDIRECTORY);
        case 4: return shell_folder(CSIDL_FONTS);
        case 5: return shell_folder(CSIDL_STARTMENU);
        case 6: return shell_folder(CSIDL_PROGRAMS);
        case 7: return shell_folder(CSIDL_STARTUP);
        case 8: return shell_folder(CSIDL_APPDATA);
        case 9: return sized_lookup([](wchar_t* b, UINT n) { return GetWindowsDirectoryW(b, n); });
        case 10: return sized_lookup([](wchar_t* b, UINT n) { return GetSystemDirectoryW(b, n); });
        case 11: return sized_lookup([](wchar_t* b, UINT n) { return static_cast<UINT>(GetTempPathW(n, b)); });
        default: return {};
    }
}

std::wstring running_program_path() {
    // Grows the buffer until the whole path fits: a program under a long path
    // must not be cut at MAX_PATH.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 32768) return {};
        path.resize(path.size() * 2);
    }
}

}  // namespace

std::string special_folder(int number) {
    std::wstring folder = folder_of_number(number);
    if (folder.empty()) return {};
    if (folder.back() != L'\\') folder += L'\\';
    return win32::narrow(folder);
}

std::string program_folder() {
    static const std::string folder = [] {
        std::wstring path = running_program_path();
        std::size_t last_backslash = path.rfind(L'\\');
        if (last_backslash != std::wstring::npos) path.resize(last_backslash);
        return win32::narrow(path);
    }();
    return folder;
}

}  // namespace kistvar
