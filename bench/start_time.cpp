#include "start_time.h"

#ifdef _WIN32

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench_library.h"
#include "platform/files.h"
#include "platform/settings_file.h"
#include "platform/win32/wide_text.h"
#include "settings/setting_keys.h"
#include "settings/settings_procedures.h"

namespace kistvar::bench {
namespace {

constexpr int boxes_per_folder = 50;
constexpr DWORD start_limit_ms = 60000;

void require(bool condition, const char* what) {
    if (!condition) throw std::runtime_error(std::string("start measurement broken: ") + what);
}

std::wstring bench_folder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    require(length > 0 && length < MAX_PATH, "cannot find the benchmark's own folder");
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

// A configured player's program folder: MYBOX.ini beside the exe, so no
// first-run prompt; messages off; the stash file in the save folder.
void configure(const BenchLibrary& library) {
    namespace keys = setting_keys;
    const std::string file = library.program_folder + "\\MYBOX.ini";
    auto put = [&](const keys::Key& key, const std::string& value) {
        require(write_setting(file, key.section, key.name, value), "cannot write MYBOX.ini");
    };
    put(keys::save_folder, library.save_folder);
    put(keys::box_folder, library.box_folder);
    put(keys::version, "0");
    put(keys::mode, "0");
    put(keys::in_use_marker, first_box_in_use);
    put(keys::quiet, "1");
    const std::string stash = library.save_folder + "\\" + stash_file_name_for("0", "0");
    require(write_file(stash, {std::string("stash of ") + first_box_in_use}), "cannot write the stash file");
}

struct Search {
    DWORD process;
    bool found;
};

BOOL CALLBACK note_visible_window(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.process && IsWindowVisible(window) && !GetWindow(window, GW_OWNER)) search.found = true;
    return !search.found;
}

bool has_visible_window(DWORD process) {
    Search search{process, false};
    EnumWindows(note_visible_window, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Seconds from CreateProcess until the program shows a window and idles.
double start_seconds(const std::wstring& program, const std::wstring& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command_line = L"\"" + program + L"\"";
    const auto start = std::chrono::steady_clock::now();
    require(CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           folder.c_str(), &startup, &process),
            "cannot start the program");
    const DWORD idle = WaitForInputIdle(process.hProcess, start_limit_ms);
    // A program idles once its first message loop waits; its window shows before that.
    bool shown = idle == 0 && has_visible_window(process.dwProcessId);
    for (int retry = 0; idle == 0 && !shown && retry < 1000; ++retry) {
        Sleep(1);
        shown = has_visible_window(process.dwProcessId);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, start_limit_ms);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    require(idle == 0, "the program did not come to wait for input");
    require(shown, "the program shows no window");
    return seconds;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

void measure_start(int rounds) {
    BenchLibrary library(boxes_per_folder, boxes_per_folder);
    configure(library);
    // Both programs start from the same folder, so both find the same disk.
    const std::wstring here = bench_folder(), folder = win32::widen_path(library.program_folder);
    const std::wstring program = folder + L"\\kistvar.exe", empty = folder + L"\\bench_empty_window.exe";
    require(CopyFileW((here + L"\\kistvar.exe").c_str(), program.c_str(), FALSE) &&
                CopyFileW((here + L"\\bench_empty_window.exe").c_str(), empty.c_str(), FALSE),
            "kistvar.exe or bench_empty_window.exe is not beside the benchmark");

    // One start of each first, not counted: the first start of an exe also
    // reads it from disk. Then turn about, so a drift in the machine's load
    // weighs on both alike.
    start_seconds(program, folder);
    start_seconds(empty, folder);
    std::vector<double> program_starts, empty_starts;
    for (int round = 0; round < rounds; ++round) {
        if (round % 2) program_starts.push_back(start_seconds(program, folder));
        empty_starts.push_back(start_seconds(empty, folder));
        if (round % 2 == 0) program_starts.push_back(start_seconds(program, folder));
    }
    const double program_time = median(program_starts), empty_time = median(empty_starts);
    std::fprintf(stderr, "win32 start: kistvar.exe %.1f ms, empty window %.1f ms (medians of %d; 50 + 50 boxes)\n",
                 program_time * 1e3, empty_time * 1e3, rounds);
    std::printf("win32 start_ratio=%.2f (goal <= 1.3)\n", program_time / empty_time);
    std::fflush(stdout);
}

}  // namespace kistvar::bench

#else

namespace kistvar::bench {

void measure_start(int) {}

}  // namespace kistvar::bench

#endif
