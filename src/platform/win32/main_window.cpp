#include "platform/win32/main_window.h"

#include <ole2.h>

#include <algorithm>
#include <utility>

#include "platform/win32/contents_window.h"
#include "platform/win32/controls_scale.h"
#include "platform/win32/controls_status_bar.h"
#include "platform/win32/drop_target.h"
#include "platform/win32/list_view.h"
#include "platform/win32/pictures.h"
#include "ui/layout.h"

namespace kistvar::win32 {

namespace layout = ui::layout;

ChildWindow* Win32MainWindow::child(HWND window) const {
    const auto found = children_.find(window);
    return found == children_.end() ? nullptr : found->second;
}

std::string_view Win32MainWindow::menu_name(HMENU menu) const {
    const auto found = menu_names_.find(menu);
    return found == menu_names_.end() ? std::string_view() : found->second;
}

LRESULT CALLBACK Win32MainWindow::window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->window_) return DefWindowProcW(window, message, wparam, lparam);
    return self->handle(message, wparam, lparam);
}

LRESULT Win32MainWindow::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_COMMAND:
        if (lparam) {
            if (ChildWindow* control = child(reinterpret_cast<HWND>(lparam))) control->on_command(HIWORD(wparam));
        } else if (HIWORD(wparam) == 0) {
            const auto item = menu_commands_.find(LOWORD(wparam));
            if (item != menu_commands_.end()) item->second->choose();
        }
        return 0;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
        if (ChildWindow* control = child(header.hwndFrom))
            if (auto result = control->on_notify(header)) return *result;
        break;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
        if (ChildWindow* control = child(item.hwndItem)) {
            control->on_draw_item(item);
            return TRUE;
        }
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return colour_control(message, wparam, lparam);
    case WM_GETMINMAXINFO: {
        // The client area is fixed by the layout, even where it outgrows a small screen.
        auto& limits = *reinterpret_cast<MINMAXINFO*>(lparam);
        const SIZE size = frame_size();
        limits.ptMaxTrackSize.x = std::max(limits.ptMaxTrackSize.x, size.cx);
        limits.ptMaxTrackSize.y = std::max(limits.ptMaxTrackSize.y, size.cy);
        return 0;
    }
    case WM_DPICHANGED: {
        set_current_dpi(HIWORD(wparam));
        const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
        const SIZE size = frame_size();
        SetWindowPos(window_, nullptr, suggested.left, suggested.top, size.cx, size.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        fit_to_dpi();
        return 0;
    }
    case WM_DESTROY:
        // OLE must let go of the lists before they go.
        for (auto* target : {拖放对象我的箱子.get(), 拖放对象保存箱子.get()})
            if (auto* ours = dynamic_cast<Win32DropTarget*>(target)) ours->revoke();
        if (!tearing_down_) {
            if (window->on_destroying) window->on_destroying();
            PostQuitMessage(0);
        }
        return 0;
    }
    return DefWindowProcW(window_, message, wparam, lparam);
}

// Texts in their layout colours; labels, buttons, the check box and the group
// boxes on the window's light blue rather than the system's grey.
LRESULT Win32MainWindow::colour_control(UINT message, WPARAM wparam, LPARAM lparam) {
    HDC dc = reinterpret_cast<HDC>(wparam);
    HWND sender = reinterpret_cast<HWND>(lparam);
    ChildWindow* control = child(sender);
    if (!control) control = child(GetParent(sender));  // the edit or list inside a drop-down list
    const LRESULT brush = DefWindowProcW(window_, message, wparam, lparam);
    if (!control) return brush;
    SetTextColor(dc, control->text_colour);
    if (!control->on_window_background) return brush;
    SetBkColor(dc, colour_ref(layout::window_background));
    return reinterpret_cast<LRESULT>(background_);
}

void Win32MainWindow::centre() {
    RECT frame{};
    GetWindowRect(window_, &frame);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(window_, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32MainWindow::fit_to_dpi() {
    place_children_again(window_);
    HIMAGELIST old_pictures = std::exchange(list_pictures_, create_list_pictures(current_dpi()));
    for (auto* list : {超级列表框我的箱子.get(), 超级列表框保存箱子.get()})
        if (auto* ours = dynamic_cast<Win32ListView*>(list)) ours->use_pictures(list_pictures_);
    if (old_pictures) ImageList_Destroy(old_pictures);
    if (auto* bar = dynamic_cast<Win32StatusBar*>(状态条1.get())) bar->fit_to_dpi();
    if (tool_tips_) SendMessageW(tool_tips_, WM_SETFONT, reinterpret_cast<WPARAM>(controls_font()), FALSE);
    set_icons();
    InvalidateRect(window_, nullptr, TRUE);
}

void Win32MainWindow::set_icons() {
    HINSTANCE program = GetModuleHandleW(nullptr);
    // Drawn by Windows from the icon file's best image for each size, not stretched from one.
    auto load = [&](int size) {
        return static_cast<HICON>(LoadImageW(program, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
    };
    HICON big = load(scaled(32)), small = load(scaled(16));
    if (!big || !small) {
        if (big) DestroyIcon(big);
        if (small) DestroyIcon(small);
        return;  // a program built without its resources (the tests) keeps the class icons
    }
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    if (big_icon_) DestroyIcon(big_icon_);
    if (small_icon_) DestroyIcon(small_icon_);
    big_icon_ = big;
    small_icon_ = small;
}

void Win32MainWindow::send_click(HWND control) const {
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                 reinterpret_cast<LPARAM>(control));
}

// F1, F5, Alt+Enter and Ctrl+F anywhere in the window; F2 and Delete in a
// list (in the title editor or a path field they edit text). Each raises the
// event the mouse raises for the same thing, so each rule of that procedure
// holds: a greyed button or menu item does nothing.
bool Win32MainWindow::take_window_key(const MSG& message) {
    const bool alt_enter = message.message == WM_SYSKEYDOWN && message.wParam == VK_RETURN;
    if ((message.message != WM_KEYDOWN && !alt_enter) || !IsWindowEnabled(window_)) return false;
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
    const HWND key_in = message.hwnd;
    const HWND my_list = reinterpret_cast<HWND>(超级列表框我的箱子->window_handle());
    const HWND saved_list = reinterpret_cast<HWND>(超级列表框保存箱子->window_handle());
    // A title being edited keeps every key until the edit ends.
    if (GetParent(key_in) == my_list || GetParent(key_in) == saved_list) return false;
    const bool in_a_list = key_in == my_list || key_in == saved_list;
    auto click = [&](const ui::Control& button) {
        HWND handle = reinterpret_cast<HWND>(button.window_handle());
        if (IsWindowVisible(handle)) send_click(handle);
        return true;
    };
    if (alt_enter) return click(*超级按钮内容);
    if (message.wParam == 'F' && GetKeyState(VK_CONTROL) < 0) {
        click(*超级按钮内容);  // Ctrl+F: the contents window, to search in
        箱子内容->focus_search();
        return true;
    }
    switch (message.wParam) {
    case VK_F1:
        return click(*超级按钮说明);
    case VK_F5:
        return click(*超级按钮刷新);
    case VK_DELETE:
        return in_a_list && click(*超级按钮删除);
    case VK_F2:
        if (!in_a_list) return false;
        if (auto* rename = dynamic_cast<Win32MenuItem*>(重命名.get()))
            SendMessageW(window_, WM_COMMAND, MAKEWPARAM(rename->command_id(), 0), 0);
        return true;
    default:
        return false;
    }
}

void Win32MainWindow::handle_input(MSG& message) {
    if (take_window_key(message)) return;
    if (static_cast<Win32ContentsWindow&>(*箱子内容).take_input(message)) return;
    if (IsDialogMessageW(window_, &message)) return;  // Tab moves between the controls
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Win32MainWindow::show_and_run() {
    if (!IsWindow(window_)) return;
    centre();
    // The lists filled at start catch up with their models before they can be seen.
    for (auto* list : {超级列表框我的箱子.get(), 超级列表框保存箱子.get()}) {
        if (auto* ours = dynamic_cast<Win32ListView*>(list)) {
            ours->show_model();
            ours->settle_while_hidden();
        }
    }
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    MSG message{};
    bool shown = false;
    for (;;) {
        // Painted, and nothing left to do: the player sees the whole window.
        if (!shown && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            shown = true;
            finish_showing();
            continue;
        }
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) break;
        handle_input(message);
    }
}

// What the window's first look does not need: the buttons' tips, then the
// logic's own.
void Win32MainWindow::finish_showing() {
    tool_tips();
    if (window->on_shown) window->on_shown();
}

Win32MainWindow::~Win32MainWindow() {
    tearing_down_ = true;
    if (IsWindow(window_)) DestroyWindow(window_);
    window_ = nullptr;
    if (tool_tips_ && IsWindow(tool_tips_)) DestroyWindow(tool_tips_);
    if (list_pictures_) ImageList_Destroy(list_pictures_);
    if (big_icon_) DestroyIcon(big_icon_);
    if (small_icon_) DestroyIcon(small_icon_);
    if (background_) DeleteObject(background_);
    if (ole_started_) OleUninitialize();
}

}  // namespace kistvar::win32
