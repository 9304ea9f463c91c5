#include "dialogs_window_probe.h"

#include "platform/win32/wide_text.h"

namespace kistvar::test::win32 {

namespace {
DialogWindowProbe* active_probe = nullptr;
}

DialogWindowProbe::DialogWindowProbe(std::function<void(HWND)> look)
    : look_(std::move(look)), hook_(SetWindowsHookExW(WH_CBT, on_window_event, nullptr, GetCurrentThreadId())) {
    active_probe = this;
}

DialogWindowProbe::~DialogWindowProbe() {
    UnhookWindowsHookEx(hook_);
    active_probe = nullptr;
}

// Installed after the answering hook, so it runs first.
LRESULT CALLBACK DialogWindowProbe::on_window_event(int code, WPARAM wparam, LPARAM lparam) {
    DialogWindowProbe* probe = active_probe;
    if (probe && code == HCBT_ACTIVATE && !probe->looked_) {
        HWND window = reinterpret_cast<HWND>(wparam);
        wchar_t class_name[16] = {};
        GetClassNameW(window, class_name, 16);
        if (std::wstring_view(class_name) == L"#32770") {
            probe->looked_ = true;
            probe->look_(window);
        }
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

std::string window_text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return kistvar::win32::narrow(text);
}

StandInMainWindow::StandInMainWindow() {
    window_ = CreateWindowExW(0, L"STATIC", L"stand-in main window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400,
                              300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(window_);
    SetActiveWindow(window_);
}

StandInMainWindow::~StandInMainWindow() { DestroyWindow(window_); }

}  // namespace kistvar::test::win32
