// The mouse and the keys of a box list, seen before the control handles them.
// The title editor is the list's own child: the focus coming back from it
// when an edit ends is no news to the logic. A button or key moves the focus
// mark first and the selection after it; the logic hears of the new current
// item once both have moved, when it can read the new selection.
#include "platform/win32/list_view.h"

#include <utility>

#include "platform/win32/controls_menu.h"
#include "platform/win32/window_hook.h"

namespace kistvar::win32 {

LRESULT CALLBACK Win32ListView::watch_input(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                            DWORD_PTR self) {
    auto& list = *reinterpret_cast<Win32ListView*>(self);
    // Whoever asks the control anything gets the model as it is now.
    list.show_model();
    switch (message) {
    case show_model_message:
        return 0;
    case WM_PAINT:
        if (wparam) break;  // a picture asked for by someone else
        list.paint_off_screen();
        return 0;
    case WM_GETDLGCODE:
        // Enter activates the item, as a double-click does, rather than
        // going to the window as its default button.
        if (lparam && reinterpret_cast<const MSG*>(lparam)->message == WM_KEYDOWN &&
            reinterpret_cast<const MSG*>(lparam)->wParam == VK_RETURN)
            return pass_on(window, message, wparam, lparam) | DLGC_WANTALLKEYS;
        break;
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
        // The context-menu key and Shift+F10 ask for the menu here, whatever
        // the system's own window procedure makes of them.
        if ((message == WM_KEYUP && wparam == VK_APPS) ||
            (message == WM_SYSKEYDOWN && wparam == VK_F10 && (GetKeyState(VK_SHIFT) & 0x8000))) {
            SendMessageW(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), -1);
            return 0;
        }
        break;
    case WM_CONTEXTMENU:
        // From the keyboard the position is (-1, -1); the mouse's right button
        // has raised its event already.
        if (lparam == -1) {
            list.context_menu_from_keyboard();
            return 0;
        }
        break;
    case WM_SETFOCUS: {
        list.focus_back_from_editor_ = wparam && reinterpret_cast<HWND>(wparam) == list.title_editor_;
        const LRESULT result = pass_on(window, message, wparam, lparam);
        list.focus_back_from_editor_ = false;
        return result;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN: {
        const bool outermost = !list.handling_input_;
        list.handling_input_ = true;
        const LRESULT result = pass_on(window, message, wparam, lparam);
        if (outermost) {
            list.handling_input_ = false;
            list.report_current_item();
        }
        return result;
    }
    }
    return pass_on(window, message, wparam, lparam);
}

void Win32ListView::report_current_item() {
    if (std::exchange(current_item_news_, false)) fire(on_current_item_changed);
}

void Win32ListView::context_menu_from_keyboard() {
    const int item = selected_item();
    RECT at{};
    if (item >= 0) {
        SendMessageW(window_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), FALSE);
        at.left = LVIR_LABEL;
        SendMessageW(window_, LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&at));
    }
    POINT anchor{at.left, item >= 0 ? (at.top + at.bottom) / 2 : 0};
    ClientToScreen(window_, &anchor);
    popup_next_menu_at(anchor);
    if (!quiet_) fire(on_right_click);
    popup_next_menu_at(std::nullopt);
}

}  // namespace kistvar::win32
