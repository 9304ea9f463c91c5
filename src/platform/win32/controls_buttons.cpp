#include "platform/win32/controls_buttons.h"

#include <commctrl.h>

#include "platform/win32/canvas.h"
#include "platform/win32/controls_scale.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_hook.h"

namespace kistvar::win32 {
namespace {

TOOLINFOW tool_for(HWND button, HWND owner) {
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every comctl32 version
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    return tool;
}

}  // namespace

Win32ImageButton::Win32ImageButton(HWND button, ButtonPicture picture, std::string_view tool_tip)
    : ClickableButton(button), picture_(picture), tool_tip_(tool_tip) {
    hook_window(button, &Win32ImageButton::track_mouse, reinterpret_cast<DWORD_PTR>(this));
}

Win32ImageButton::~Win32ImageButton() {
    unhook_window(window_, &Win32ImageButton::track_mouse);
}

void Win32ImageButton::set_tool_tip_text(std::string_view text) {
    const bool had_tip = !tool_tip_.empty();
    tool_tip_ = text;
    // Screen readers name a button by its text; the owner draw never paints it.
    SetWindowTextW(window_, widen(text).c_str());
    tell_tool_tips(had_tip);
}

void Win32ImageButton::use_tool_tips(HWND tool_tips) {
    tool_tips_ = tool_tips;
    tell_tool_tips(false);
}

void Win32ImageButton::tell_tool_tips(bool had_tip) {
    if (!tool_tips_) return;
    TOOLINFOW tool = tool_for(window_, GetParent(window_));
    if (tool_tip_.empty()) {
        if (had_tip) SendMessageW(tool_tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    std::wstring wide = widen(tool_tip_);
    tool.lpszText = wide.data();
    SendMessageW(tool_tips_, had_tip ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0,
                 reinterpret_cast<LPARAM>(&tool));
}

void Win32ImageButton::on_draw_item(const DRAWITEMSTRUCT& item) {
    ButtonLook look = ButtonLook::normal;
    if (item.itemState & ODS_DISABLED) look = ButtonLook::disabled;
    else if (item.itemState & ODS_SELECTED) look = ButtonLook::pressed;
    else if (hot_) look = ButtonLook::hot;

    // Draw off-screen first so hovering never flickers.
    const RECT& area = item.rcItem;
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC canvas = CreateCompatibleDC(item.hDC);
    HBITMAP image = make_canvas(width, height);
    HGDIOBJ old = SelectObject(canvas, image);
    const RECT all{0, 0, width, height};
    HBRUSH background = CreateSolidBrush(colour_ref(ui::layout::window_background));
    FillRect(canvas, &all, background);
    DeleteObject(background);
    const int size = scaled(ui::layout::image_button_size);
    draw_button_picture(canvas, {(width - size) / 2, (height - size) / 2}, picture_, look, current_dpi());
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        const int inset = scaled(2);
        RECT focus{inset, inset, width - inset, height - inset};
        DrawFocusRect(canvas, &focus);
    }
    BitBlt(item.hDC, area.left, area.top, width, height, canvas, 0, 0, SRCCOPY);
    SelectObject(canvas, old);
    DeleteObject(image);
    DeleteDC(canvas);
}

void Win32ImageButton::set_hot(bool hot) {
    if (hot_ == hot) return;
    hot_ = hot;
    InvalidateRect(window_, nullptr, FALSE);
}

LRESULT CALLBACK Win32ImageButton::track_mouse(HWND window, UINT message, WPARAM wparam,
                                               LPARAM lparam, UINT_PTR, DWORD_PTR self) {
    auto* button = reinterpret_cast<Win32ImageButton*>(self);
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    case WM_MOUSEMOVE:
        if (!button->hot_) {
            TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, window, 0};
            TrackMouseEvent(&leave);
            button->set_hot(true);
        }
        break;
    case WM_MOUSELEAVE:
        button->set_hot(false);
        break;
    case WM_ERASEBKGND:
        return TRUE;  // the owner draw paints every pixel
    case WM_NCPAINT:
        return 0;  // no frame: nothing outside the client area to paint
    case WM_GETDLGCODE:
        // Enter clicks a focused image button, as it does a push button; the
        // dialog manager would otherwise take it for the window's default button.
        if (lparam && reinterpret_cast<const MSG*>(lparam)->message == WM_KEYDOWN &&
            reinterpret_cast<const MSG*>(lparam)->wParam == VK_RETURN)
            return DLGC_BUTTON | DLGC_WANTALLKEYS;
        break;
    case WM_KEYDOWN:
        if (wparam == VK_RETURN) {
            // The same notification a mouse click sends, so the same guard and event follow.
            SendMessageW(GetParent(window), WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED), reinterpret_cast<LPARAM>(window));
            return 0;
        }
        break;
    }
    return pass_on(window, message, wparam, lparam);
}

}  // namespace kistvar::win32
