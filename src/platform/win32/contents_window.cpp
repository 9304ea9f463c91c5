#include "platform/win32/contents_window.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/controls_base.h"
#include "platform/win32/controls_scale.h"
#include "platform/win32/wide_text.h"
#include "language/language.h"
#include "ui/layout.h"

namespace kistvar::win32 {

namespace layout = ui::layout;

namespace {

constexpr wchar_t window_class_name[] = L"KistvarContentsWindow";
constexpr int search_id = 10, summary_id = 11, list_id = 12;
constexpr int margin = 8, line_height = 24;

std::string text_of(HWND control) {
    if (!control) return {};
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

void register_class() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = DefWindowProcW;  // replaced per window once it exists
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = window_class_name;
    registered = RegisterClassExW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

void Win32ContentsWindow::open() {
    if (window_) {
        ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
        SetForegroundWindow(window_);
        return;
    }
    register_class();
    RECT owner{};
    GetWindowRect(owner_, &owner);
    const int width = scaled(layout::contents_width), height = scaled(layout::contents_height);
    HWND created = CreateWindowExW(WS_EX_CONTROLPARENT, window_class_name, widen(language::text(layout::contents_title)).c_str(),
                                   WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, owner.left + scaled(80),
                                   owner.top + scaled(60), width, height, owner_, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    if (!created) return;
    SetWindowLongPtrW(created, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(created, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32ContentsWindow::window_procedure));
    window_ = created;
    create_children();
    lay_out();
    ShowWindow(window_, SW_SHOW);
    SetFocus(search_);
}

void Win32ContentsWindow::create_children() {
    HINSTANCE program = GetModuleHandleW(nullptr);
    auto child = [&](DWORD extended, const wchar_t* window_class, DWORD style, int id) {
        HWND made = CreateWindowExW(extended, window_class, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window_,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), program, nullptr);
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(controls_font()), FALSE);
        return made;
    };
    search_ = child(WS_EX_CLIENTEDGE, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, search_id);
    show_cue();
    summary_ = child(0, L"STATIC", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, summary_id);
    list_ = child(WS_EX_CLIENTEDGE, WC_LISTVIEWW,
                  LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, list_id);
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

void Win32ContentsWindow::lay_out() {
    RECT client{};
    GetClientRect(window_, &client);
    const int gap = scaled(margin), line = scaled(line_height);
    const int width = std::max(0, static_cast<int>(client.right) - 2 * gap);
    MoveWindow(search_, gap, gap, width, line, TRUE);
    MoveWindow(summary_, gap, 2 * gap + line, width, line - gap / 2, TRUE);
    const int list_top = 2 * gap + 2 * line;
    MoveWindow(list_, gap, list_top, width, std::max(0, static_cast<int>(client.bottom) - list_top - gap), TRUE);
}

void Win32ContentsWindow::close() {
    if (window_) DestroyWindow(window_);  // WM_DESTROY forgets the handles
}

void Win32ContentsWindow::show_cue() {
    SendMessageW(search_, EM_SETCUEBANNER, TRUE,
                 reinterpret_cast<LPARAM>(widen(language::text(layout::search_cue)).c_str()));
}

void Win32ContentsWindow::show_texts() {
    if (!window_) return;
    SetWindowTextW(window_, widen(language::text(layout::contents_title)).c_str());
    show_cue();
}

std::string Win32ContentsWindow::search_text() const { return text_of(search_); }

void Win32ContentsWindow::set_search_text(std::string_view text) {
    if (!window_) return;
    SetWindowTextW(search_, widen(text).c_str());  // EN_CHANGE fires the event
}

void Win32ContentsWindow::focus_search() {
    if (!window_) return;
    SetForegroundWindow(window_);
    SetFocus(search_);
    SendMessageW(search_, EM_SETSEL, 0, -1);
}

std::string Win32ContentsWindow::summary() const { return text_of(summary_); }

void Win32ContentsWindow::set_summary(std::string_view text) {
    if (summary_) SetWindowTextW(summary_, widen(text).c_str());
}

// The timer is the main window's, so a step asked for while this window is
// closed still runs; this window's address tells its timer from any other.
void Win32ContentsWindow::request_step() {
    SetTimer(owner_, reinterpret_cast<UINT_PTR>(this), USER_TIMER_MINIMUM, &step_timer_procedure);
}

void CALLBACK Win32ContentsWindow::step_timer_procedure(HWND owner, UINT, UINT_PTR timer, DWORD) {
    KillTimer(owner, timer);
    auto* self = reinterpret_cast<Win32ContentsWindow*>(timer);
    if (self->on_step) self->on_step();
}

Win32ContentsWindow::~Win32ContentsWindow() {
    KillTimer(owner_, reinterpret_cast<UINT_PTR>(this));
    close();
}

bool Win32ContentsWindow::take_input(MSG& message) {
    if (!window_ || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        close();
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == 'F' && GetKeyState(VK_CONTROL) < 0) {
        focus_search();
        return true;
    }
    return IsDialogMessageW(window_, &message) != FALSE;
}

LRESULT CALLBACK Win32ContentsWindow::window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<Win32ContentsWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || self->window_ != window) return DefWindowProcW(window, message, wparam, lparam);
    return self->handle(message, wparam, lparam);
}

LRESULT Win32ContentsWindow::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_SIZE:
        lay_out();
        return 0;
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lparam) == search_ && HIWORD(wparam) == EN_CHANGE && on_search_changed)
            on_search_changed();
        else if (LOWORD(wparam) == IDCANCEL)
            close();
        return 0;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
        if (header.hwndFrom != list_) break;
        return list_notified(header);
    }
    case WM_GETMINMAXINFO: {
        auto& limits = *reinterpret_cast<MINMAXINFO*>(lparam);
        limits.ptMinTrackSize = {scaled(320), scaled(200)};
        return 0;
    }
    case WM_DESTROY:
        window_ = search_ = summary_ = list_ = nullptr;
        columns_.clear();
        rows_.clear();
        return 0;
    }
    return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace kistvar::win32
