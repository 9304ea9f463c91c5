// Hands a file or folder to the shell (the readme to its editor, a box folder
// to the file manager) and returns at once.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/dialogs.h"
#include "platform/win32/dialogs_observer.h"
#include "platform/win32/shell_library.h"
#include "platform/win32/wide_text.h"

namespace kistvar {

namespace {

const wchar_t* verb_of(int action) {
    switch (action) {
        case 1: return L"edit";
        case 2: return L"explore";
        case 3: return L"find";
        case 4: return L"open";
        case 5: return L"print";
        default: return nullptr;  // the item's default action
    }
}

int show_command_of(int window_state) {
    switch (window_state) {
        case 1: return SW_HIDE;
        case 2: return SW_SHOWNORMAL;
        case 3: return SW_SHOWMINIMIZED;
        case 4: return SW_SHOWMAXIMIZED;
        case 5: return SW_SHOWNOACTIVATE;
        case 6: return SW_MINIMIZE;
        default: return SW_SHOWNORMAL;
    }
}

const wchar_t* absent_if_empty(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

void shell_open(int action, std::string_view path, std::string_view parameters, std::string_view working_folder,
                int window_state) {
    if (win32::dialog_observer) {
        // Under test the open is recorded, never carried out: a test must not
        // leave an editor or a file manager running behind it.
        win32::dialog_observer({win32::DialogKind::shell_open, path, std::to_string(action), 0});
        return;
    }
    std::wstring wide_path = win32::widen(path);
    std::wstring wide_parameters = win32::widen(parameters);
    std::wstring wide_folder = win32::widen(working_folder);
    static const auto execute = win32::shell_function<decltype(&ShellExecuteW)>("ShellExecuteW");
    if (!execute) return;
    execute(nullptr, verb_of(action), wide_path.c_str(), absent_if_empty(wide_parameters),
            absent_if_empty(wide_folder), show_command_of(window_state));
}

}  // namespace kistvar
