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
constexpr int search_id = 10, summary_id = 11, list_id = 12, left_grid_id = 13, choice_id = 14, right_grid_id = 15,
              left_title_id = 16;
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
    HWND created = CreateWindowExW(WS_EX_CONTROLPARENT, window_class_name, widen(language::text(layout::contents_title)).c_str(),
                                   WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, owner.left + scaled(80),
                                   owner.top + scaled(60), scaled(layout::contents_width),
                                   scaled(layout::contents_height), owner_, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    if (!created) return;
    SetWindowLongPtrW(created, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(created, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32ContentsWindow::window_procedure));
    window_ = created;
    create_children();
    // At least the grids' width and the list's first rows, at this DPI.
    const SIZE smallest = smallest_client();
    RECT frame{0, 0, smallest.cx, smallest.cy + scaled(layout::contents_list_rows)};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_CONTROLPARENT);
    RECT now{};
    GetWindowRect(window_, &now);
    SetWindowPos(window_, nullptr, 0, 0, std::max(now.right - now.left, frame.right - frame.left),
                 std::max(now.bottom - now.top, frame.bottom - frame.top), SWP_NOMOVE | SWP_NOZORDER);
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
    // Made in the keyboard's order: search box, left grid, drop-down, right grid, list.
    search_ = child(WS_EX_CLIENTEDGE, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, search_id);
    show_cue();
    left_title_ = child(0, L"STATIC", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS | SS_CENTERIMAGE, left_title_id);
    left_ = std::make_unique<Win32StashGrid>(window_, left_grid_id);
    choice_ = child(0, WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, choice_id);
    right_ = std::make_unique<Win32StashGrid>(window_, right_grid_id);
    wire_grid(*left_, ui::GridSide::left);
    wire_grid(*right_, ui::GridSide::right);
    summary_ = child(0, L"STATIC", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, summary_id);
    list_ = child(WS_EX_CLIENTEDGE, WC_LISTVIEWW,
                  LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, list_id);
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

// The grids keep their size; the search box, summary and list take the width,
// the list the height left.
void Win32ContentsWindow::lay_out() {
    RECT client{};
    GetClientRect(window_, &client);
    const int gap = scaled(margin), line = scaled(line_height);
    const int width = std::max(0, static_cast<int>(client.right) - 2 * gap);
    const SIZE grid = left_->natural_size();
    MoveWindow(search_, gap, gap, width, line, TRUE);
    const int choice_top = 2 * gap + line, grids_top = choice_top + line + gap / 2;
    const int right_left = gap + grid.cx + gap;
    MoveWindow(left_title_, gap, choice_top, grid.cx, line, TRUE);
    // A drop-down's height includes its open list.
    MoveWindow(choice_, right_left, choice_top, grid.cx, line + scaled(240), TRUE);
    left_->place(gap, grids_top);
    right_->place(right_left, grids_top);
    const int summary_top = grids_top + grid.cy + gap;
    MoveWindow(summary_, gap, summary_top, width, line - gap / 2, TRUE);
    const int list_top = summary_top + line;
    MoveWindow(list_, gap, list_top, width, std::max(0, static_cast<int>(client.bottom) - list_top - gap), TRUE);
}

// The client area the grids and the lines around them take, without the list.
SIZE Win32ContentsWindow::smallest_client() const {
    const int gap = scaled(margin), line = scaled(line_height);
    const SIZE grid = left_ ? left_->natural_size() : SIZE{0, 0};
    return {3 * gap + 2 * grid.cx, 4 * gap + 3 * line + gap / 2 + grid.cy};
}

void Win32ContentsWindow::show_box_choices(const std::vector<std::string>& choices, int chosen) {
    if (!choice_) return;
    SendMessageW(choice_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(choice_, CB_RESETCONTENT, 0, 0);
    for (const std::string& choice : choices)
        SendMessageW(choice_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(choice).c_str()));
    SendMessageW(choice_, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
    SendMessageW(choice_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(choice_, nullptr, TRUE);
}

int Win32ContentsWindow::chosen_box() const {
    return choice_ ? static_cast<int>(SendMessageW(choice_, CB_GETCURSEL, 0, 0)) : -1;
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
    left_->show_texts();
    right_->show_texts();
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

std::string Win32ContentsWindow::left_title() const { return text_of(left_title_); }

void Win32ContentsWindow::set_left_title(std::string_view text) {
    if (left_title_) SetWindowTextW(left_title_, widen(text).c_str());
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
    const Win32StashGrid* grid = Win32StashGrid::of(GetFocus());
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE && !(grid && grid->model().dragged())) {
        close();
        return true;
    }
    // Ctrl+Z anywhere but in the search box, which undoes its own typing.
    if (message.message == WM_KEYDOWN && message.wParam == 'Z' && GetKeyState(VK_CONTROL) < 0 && !grid &&
        GetFocus() != search_) {
        if (on_undo) on_undo();
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
        else if (reinterpret_cast<HWND>(lparam) == choice_ && HIWORD(wparam) == CBN_SELCHANGE && on_box_chosen)
            on_box_chosen(chosen_box());
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
        RECT frame{0, 0, smallest_client().cx, smallest_client().cy + scaled(line_height) * 3};
        AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_CONTROLPARENT);
        limits.ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
        return 0;
    }
    case WM_DESTROY:
        left_.reset();
        right_.reset();
        window_ = search_ = summary_ = list_ = left_title_ = choice_ = nullptr;
        columns_.clear();
        rows_.clear();
        return 0;
    }
    return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace kistvar::win32
