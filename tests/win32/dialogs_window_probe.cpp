#include "dialogs_window_probe.h"

#include "platform/win32/wide_text.h"

namespace kistvar::test::win32 {

namespace {

DialogWindowProbe* active_probe = nullptr;

const UINT look_now = RegisterWindowMessageW(L"kistvar test: look at the dialog");

bool is_dialog_box(HWND window) {
    wchar_t class_name[16] = {};
    GetClassNameW(window, class_name, 16);
    return std::wstring_view(class_name) == L"#32770";
}

}  // namespace

DialogWindowProbe::DialogWindowProbe(std::function<void(HWND)> look)
    : look_(std::move(look)),
      activation_hook_(SetWindowsHookExW(WH_CBT, on_window_event, nullptr, GetCurrentThreadId())),
      message_hook_(SetWindowsHookExW(WH_GETMESSAGE, on_message_taken, nullptr, GetCurrentThreadId())) {
    active_probe = this;
}

DialogWindowProbe::~DialogWindowProbe() {
    UnhookWindowsHookEx(message_hook_);
    UnhookWindowsHookEx(activation_hook_);
    active_probe = nullptr;
}

// Installed after the answering hook, so this runs first: the request to look
// is queued ahead of the answer. Looking waits for that request because the
// dialog gets its focus only as its activation completes.
LRESULT CALLBACK DialogWindowProbe::on_window_event(int code, WPARAM wparam, LPARAM lparam) {
    DialogWindowProbe* probe = active_probe;
    HWND window = reinterpret_cast<HWND>(wparam);
    if (probe && code == HCBT_ACTIVATE && !probe->posted_ && is_dialog_box(window)) {
        probe->posted_ = true;
        PostMessageW(window, look_now, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

LRESULT CALLBACK DialogWindowProbe::on_message_taken(int code, WPARAM wparam, LPARAM lparam) {
    DialogWindowProbe* probe = active_probe;
    const MSG* message = reinterpret_cast<const MSG*>(lparam);
    if (probe && code == HC_ACTION && message->message == look_now && !probe->looked_) {
        probe->looked_ = true;
        probe->look_(message->hwnd);
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

std::string window_text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return kistvar::win32::narrow(text);
}

std::string message_box_text(HWND box) {
    std::string text = window_text(GetDlgItem(box, 0xFFFF));
    for (HWND child = GetWindow(box, GW_CHILD); text.empty() && child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t class_name[16] = {};
        GetClassNameW(child, class_name, 16);
        bool icon = (GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
        if (_wcsicmp(class_name, L"Static") == 0 && !icon) text = window_text(child);
    }
    return text;
}

StandInMainWindow::StandInMainWindow() {
    window_ = CreateWindowExW(0, L"STATIC", L"stand-in main window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400,
                              300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(window_);
    SetActiveWindow(window_);
}

StandInMainWindow::~StandInMainWindow() { DestroyWindow(window_); }

}  // namespace kistvar::test::win32
