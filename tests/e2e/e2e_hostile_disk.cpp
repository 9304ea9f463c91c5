#include "e2e/e2e_hostile_disk.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdlib>

namespace kistvar::test::hostile {

namespace {

constexpr wchar_t hold_flag[] = L"--kistvar-hold-without-sharing";

// Started as a holder, this program opens the file with no sharing, says so
// through the event and sleeps until its parent ends it; gtest never runs.
const bool started_as_holder = [] {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count != 4 || std::wstring_view(arguments[1]) != hold_flag) return false;
    HANDLE file = CreateFileW(arguments[2], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, arguments[3]);
    if (file == INVALID_HANDLE_VALUE || ready == nullptr) ExitProcess(2);
    SetEvent(ready);
    for (;;) Sleep(INFINITE);
}();

}  // namespace

std::wstring wide(std::string_view utf8) {
    if (utf8.empty()) return {};
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(length, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), length);
    return out;
}

std::string narrow(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    int length = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0,
                                     nullptr, nullptr);
    std::string out(length, '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), length, nullptr,
                        nullptr);
    return out;
}

std::wstring long_form(std::string_view path) { return L"\\\\?\\" + wide(path); }

void put(std::string_view path, std::string_view content) {
    HANDLE file = CreateFileW(long_form(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
}

std::optional<std::string> get(std::string_view path) {
    HANDLE file = CreateFileW(long_form(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
    CloseHandle(file);
    return content;
}

bool exists(std::string_view path) { return GetFileAttributesW(long_form(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

void make_folders(std::string_view path) {
    for (std::size_t at = path.find('\\', 3); ; at = path.find('\\', at + 1)) {
        CreateDirectoryW(long_form(path.substr(0, at)).c_str(), nullptr);
        if (at == std::string_view::npos) break;
    }
}

std::vector<std::string> names_in(std::string_view folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW((long_form(folder) + L"\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        std::wstring_view name = data.cFileName;
        if (name != L"." && name != L"..") names.push_back(narrow(name));
    } while (FindNextFileW(search, &data));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

void set_read_only(std::string_view path, bool read_only) {
    const std::wstring native = long_form(path);
    DWORD attributes = GetFileAttributesW(native.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    attributes = read_only ? attributes | FILE_ATTRIBUTE_READONLY : attributes & ~FILE_ATTRIBUTE_READONLY;
    SetFileAttributesW(native.c_str(), attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes);
}

void remove_tree(std::string_view path) {
    for (const std::string& name : names_in(path)) {
        const std::string inner = std::string(path) + "\\" + name;
        const DWORD attributes = GetFileAttributesW(long_form(inner).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            remove_tree(inner);
        } else {
            set_read_only(inner, false);
            DeleteFileW(long_form(inner).c_str());
        }
    }
    RemoveDirectoryW(long_form(path).c_str());
}

namespace {

void add_files(Snapshot& files, const std::string& folder, const std::string& shown_as) {
    for (const std::string& name : names_in(folder)) {
        const std::string inner = folder + "\\" + name;
        const DWORD attributes = GetFileAttributesW(long_form(inner).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            add_files(files, inner, shown_as + "\\" + name);
        else
            files[shown_as + "\\" + name] = get(inner).value_or("<unreadable>");
    }
}

}  // namespace

Snapshot snapshot(const std::vector<std::pair<std::string, std::string>>& named_folders) {
    Snapshot files;
    for (const auto& [shown_as, folder] : named_folders) add_files(files, folder, shown_as);
    return files;
}

std::vector<std::string> contents(const Snapshot& files) {
    std::vector<std::string> all;
    for (const auto& [path, content] : files) all.push_back(content);
    std::sort(all.begin(), all.end());
    return all;
}

// --- Another process holding a file -------------------------------------------

FileHolder::FileHolder(std::string_view path) {
    const std::wstring event_name = L"kistvar-hostile-held-" + std::to_wstring(GetCurrentProcessId());
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, event_name.c_str());
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(program) + L"\" " + hold_flag + L" \"" + long_form(path) + L"\" " +
                           event_name;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process_)) {
        // Waits for the child to say it holds the file, or to end without it.
        HANDLE either[] = {ready, process_.hProcess};
        holding_ = WaitForMultipleObjects(2, either, FALSE, 60000) == WAIT_OBJECT_0;
    }
    CloseHandle(ready);
}

FileHolder::~FileHolder() { release(); }

void FileHolder::release() {
    if (process_.hProcess == nullptr) return;
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, INFINITE);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = {};
    holding_ = false;
}

// --- A drive letter on another file system -------------------------------------

// Wine starts a Unix program detached: its handle says nothing of its end,
// so the caller looks for the effect instead.
void MappedDrive::run_unix(const std::string& shell_command) const {
    std::wstring command = L"Z:\\bin\\sh -c \"" + wide(shell_command) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

MappedDrive::MappedDrive() {
    // Wine hands its prefix to the programs it runs; a Unix program started
    // through the Z: drive makes the link in the prefix's dosdevices folder.
    wchar_t prefix[1024];
    const DWORD length = GetEnvironmentVariableW(L"WINEPREFIX", prefix, 1024);
    if (length == 0 || length >= 1024 || prefix[0] != L'/') return;
    const DWORD taken = GetLogicalDrives();
    char letter = 0;
    for (char candidate = 'q'; candidate <= 'y' && !letter; ++candidate)
        if (!(taken & (1u << (candidate - 'a')))) letter = candidate;
    if (!letter) return;
    // /dev/shm is its own file system: a rename from C: or Z: cannot cross to it.
    target_unix_ = "/dev/shm/kistvar-hostile-" + std::to_string(GetCurrentProcessId());
    link_unix_ = narrow(prefix) + "/dosdevices/" + letter + ":";
    run_unix("mkdir -p '" + target_unix_ + "' && ln -sfn '" + target_unix_ + "' '" + link_unix_ + "'");
    const std::string root = std::string(1, static_cast<char>(letter - 'a' + 'A')) + ":";
    // The drive is there once Wine finds the link; a minute is far more than it takes.
    for (int look = 0; look < 1200; ++look) {
        if (GetFileAttributesW(wide(root + "\\").c_str()) != INVALID_FILE_ATTRIBUTES) {
            root_ = root;
            return;
        }
        Sleep(50);
    }
}

MappedDrive::~MappedDrive() {
    if (!link_unix_.empty()) run_unix("rm -f '" + link_unix_ + "'; rm -rf '" + target_unix_ + "'");
}

}  // namespace kistvar::test::hostile
