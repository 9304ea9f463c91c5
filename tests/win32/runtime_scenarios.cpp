#include "runtime_scenarios.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <functional>
#include <sstream>

#include "platform/dialogs.h"
#include "platform/runtime.h"
#include "platform/win32/dialogs_observer.h"
#include "platform/win32/wide_text.h"
#include "support/temp_folder.h"
#include "support/win32/dialog_answers.h"

namespace kistvar::test::win32 {

namespace {

// ---- In the child ----

std::wstring report_file;

void report(const std::string& line) {
    std::ofstream out(std::filesystem::path(report_file), std::ios::binary | std::ios::app);
    out << line << '\n';
}

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return out;
}

kistvar::win32::DialogObserver answering_observer = nullptr;

// Writes the box down at once: the process may end the moment it closes.
void report_then_answer(const kistvar::win32::DialogRequest& request) {
    report("box|" + std::string(request.caption) + "|" + std::to_string(request.style) + "|" + escaped(request.text));
    answering_observer(request);
}

void play(const std::string& scenario) {
    take_shown();  // makes sure the dialogs are answered
    answering_observer = kistvar::win32::dialog_observer;
    kistvar::win32::dialog_observer = report_then_answer;

    const std::map<std::string, std::function<void()>> scenarios = {
        {"array_error", [] {
             register_cleanup([] { report("cleanup"); });
             runtime_error(1, "数组成员引用下标超出定义范围");
         }},
        {"out_of_memory", [] {
             register_cleanup([] { report("cleanup"); });
             volatile std::size_t more_than_any_machine_has = std::size_t(1) << 62;
             char* volatile memory = new char[more_than_any_machine_has];
             report("allocated");
             delete[] memory;
         }},
        {"end_program", [] {
             register_cleanup([] { report("replaced cleanup"); });
             register_cleanup([] { report("cleanup"); });
             end_program(7);
         }},
        {"cleanup_twice", [] {
             register_cleanup([] { report("cleanup"); });
             run_cleanup();
             run_cleanup();
             end_program(0);
         }},
    };
    auto found = scenarios.find(scenario);
    if (found != scenarios.end()) found->second();
    report("returned");
    ExitProcess(99);
}

std::wstring argument_value(std::wstring_view argument, std::wstring_view name) {
    return argument.substr(0, name.size()) == name ? std::wstring(argument.substr(name.size())) : std::wstring();
}

// Before the test runner starts: a child plays its scenario and never returns.
[[maybe_unused]] const bool child_played = [] {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring scenario;
    for (int i = 1; i < count; ++i) {
        if (auto value = argument_value(arguments[i], L"--runtime-scenario="); !value.empty()) scenario = value;
        if (auto value = argument_value(arguments[i], L"--report="); !value.empty()) report_file = value;
    }
    LocalFree(arguments);
    if (!scenario.empty()) play(kistvar::win32::narrow(scenario));
    return false;
}();

// ---- In the parent ----

std::wstring this_program() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

ScenarioOutcome run_scenario(const std::string& name) {
    TempFolder folder;
    std::string report_path = folder / "report.txt";
    std::wstring command = L"\"" + this_program() + L"\" --runtime-scenario=" + kistvar::win32::widen(name) +
                           L" \"--report=" + kistvar::win32::widen(native_path(report_path)) + L"\"";

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION child{};
    ScenarioOutcome outcome;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child)) {
        outcome.exit_code = 0xDEADu;
        return outcome;
    }
    DWORD exit_code = 0;
    if (WaitForSingleObject(child.hProcess, 30'000) == WAIT_TIMEOUT) {
        TerminateProcess(child.hProcess, 0xDEAD);
        WaitForSingleObject(child.hProcess, INFINITE);
    }
    GetExitCodeProcess(child.hProcess, &exit_code);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    outcome.exit_code = exit_code;
    outcome.events = lines_of(read_on_disk(report_path));
    return outcome;
}

}  // namespace kistvar::test::win32
