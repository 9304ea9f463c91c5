#include "platform/win32/main_window.h"

#include <ole2.h>

#include "platform/win32/drop_target.h"
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

void Win32MainWindow::show_and_run() {
    if (!IsWindow(window_)) return;
    centre();
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window_, &message)) continue;  // Tab moves between the controls
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

Win32MainWindow::~Win32MainWindow() {
    tearing_down_ = true;
    if (IsWindow(window_)) DestroyWindow(window_);
    window_ = nullptr;
    if (tool_tips_ && IsWindow(tool_tips_)) DestroyWindow(tool_tips_);
    if (list_pictures_) ImageList_Destroy(list_pictures_);
    if (background_) DeleteObject(background_);
    if (ole_started_) OleUninitialize();
}

}  // namespace kistvar::win32
