// The native file layer on Windows: the wide functions, with every path
// widened at the call (long paths included).
#include "platform/native_files.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/wide_text.h"

namespace kistvar::native {

namespace {

using win32::narrow;
using win32::widen_path;

void take_entry(const WIN32_FIND_DATAW& data, DirectoryEntry& entry) {
    entry.name = narrow(data.cFileName);
    entry.attributes = data.dwFileAttributes;
    entry.size = std::uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow;
    entry.last_write = std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32 | data.ftLastWriteTime.dwLowDateTime;
}

// Opens a file or folder only to learn who it is; no access, any sharing.
HANDLE open_for_identity(const std::wstring& path) {
    return CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

bool same_file(const std::wstring& a, const std::wstring& b) {
    HANDLE first = open_for_identity(a);
    if (first == INVALID_HANDLE_VALUE) return false;
    HANDLE second = open_for_identity(b);
    bool same = false;
    if (second != INVALID_HANDLE_VALUE) {
        BY_HANDLE_FILE_INFORMATION one, other;
        same = GetFileInformationByHandle(first, &one) && GetFileInformationByHandle(second, &other) &&
               one.dwVolumeSerialNumber == other.dwVolumeSerialNumber &&
               one.nFileIndexHigh == other.nFileIndexHigh && one.nFileIndexLow == other.nFileIndexLow;
        CloseHandle(second);
    }
    CloseHandle(first);
    return same;
}

bool is_read_only_file(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
           !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

HANDLE handle_of(std::intptr_t file) { return reinterpret_cast<HANDLE>(file); }

}  // namespace

// A search of Windows gives the facts with the names, so none are left out.
std::intptr_t find_first(std::string_view pattern, DirectoryEntry& entry, bool /*with_facts*/) {
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileExW(widen_path(pattern).c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                     nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return 0;
    take_entry(data, entry);
    return reinterpret_cast<std::intptr_t>(search);
}

bool find_next(std::intptr_t search, DirectoryEntry& entry) {
    WIN32_FIND_DATAW data;
    if (!FindNextFileW(handle_of(search), &data)) return false;
    take_entry(data, entry);
    return true;
}

void find_close(std::intptr_t search) {
    FindClose(handle_of(search));
}

bool create_directory(std::string_view path) {
    return CreateDirectoryW(widen_path(path).c_str(), nullptr) != FALSE;
}

bool copy_file(std::string_view source, std::string_view target) {
    std::wstring from = widen_path(source), to = widen_path(target);
    // Windows refuses both of these itself; Wine would empty the file copied
    // onto itself and overwrite a read-only target.
    if (same_file(from, to) || is_read_only_file(to)) return false;
    return CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE;
}

bool move_file(std::string_view source, std::string_view target) {
    std::wstring from = widen_path(source);
    // MoveFileEx moves a folder as readily as a file.
    DWORD attributes = GetFileAttributesW(from.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    return MoveFileExW(from.c_str(), widen_path(target).c_str(), MOVEFILE_COPY_ALLOWED) != FALSE;
}

bool replace_file(std::string_view source, std::string_view target) {
    std::wstring to = widen_path(target);
    if (is_read_only_file(to)) return false;
    return MoveFileExW(widen_path(source).c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           FALSE;
}

bool delete_file(std::string_view path) {
    return DeleteFileW(widen_path(path).c_str()) != FALSE;
}

bool make_writable(std::string_view path) {
    std::wstring file = widen_path(path);
    DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    if (!(attributes & FILE_ATTRIBUTE_READONLY)) return true;
    // No attribute left must be said as FILE_ATTRIBUTE_NORMAL: 0 means "leave them".
    DWORD kept = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
    return SetFileAttributesW(file.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL) != FALSE;
}

std::intptr_t open_for_write(std::string_view path, bool must_be_new) {
    HANDLE file = CreateFileW(widen_path(path).c_str(), GENERIC_WRITE, 0, nullptr,
                              must_be_new ? CREATE_NEW : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? 0 : reinterpret_cast<std::intptr_t>(file);
}

bool write_bytes(std::intptr_t file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(handle_of(file), bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

bool open_file_facts(std::intptr_t file, std::uint64_t& size, std::uint64_t& last_write) {
    LARGE_INTEGER bytes;
    FILETIME written;
    if (!GetFileSizeEx(handle_of(file), &bytes) || !GetFileTime(handle_of(file), nullptr, nullptr, &written)) return false;
    size = static_cast<std::uint64_t>(bytes.QuadPart);
    last_write = std::uint64_t{written.dwHighDateTime} << 32 | written.dwLowDateTime;
    return true;
}

bool flush_to_disk(std::intptr_t file) {
    return FlushFileBuffers(handle_of(file)) != FALSE;
}

bool close_file(std::intptr_t file) {
    return CloseHandle(handle_of(file)) != FALSE;
}

bool read_file(std::string_view path, std::string& bytes, std::uint64_t limit) {
    HANDLE file = CreateFileW(widen_path(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bytes.clear();
    LARGE_INTEGER size;
    bool read_all = GetFileSizeEx(file, &size) != FALSE;
    if (read_all) bytes.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(size.QuadPart, limit)));
    char buffer[1 << 16];
    while (read_all) {
        DWORD got = 0;
        read_all = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE;
        if (!read_all || got == 0) break;
        bytes.append(buffer, got);
        if (bytes.size() > limit) read_all = false;
    }
    const DWORD reason = GetLastError();
    CloseHandle(file);
    if (!read_all) bytes.clear();
    SetLastError(reason);
    return read_all;
}

std::string last_error_text() {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        GetLastError(), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring words(text != nullptr ? text : L"", length);
    LocalFree(text);
    while (!words.empty() && (words.back() == L'\r' || words.back() == L'\n' || words.back() == L' '))
        words.pop_back();
    return narrow(words);
}

bool last_error_was_missing() {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

std::uint32_t last_error_code() { return GetLastError(); }

void restore_error_code(std::uint32_t code) { SetLastError(code); }

void note_io_error() { SetLastError(ERROR_IO_DEVICE); }

}  // namespace kistvar::native
