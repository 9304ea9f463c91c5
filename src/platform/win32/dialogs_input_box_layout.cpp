#include "platform/win32/dialogs_input_box_layout.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/dialogs_font.h"
#include "platform/win32/dialogs_input_box.h"
#include "platform/win32/dialogs_input_filter.h"
#include "platform/win32/wide_text.h"
#include "language/language.h"

namespace kistvar::win32 {

namespace {

namespace parts = input_box_parts;

constexpr int password_mode = 4;

HWND add_control(HWND dialog, const wchar_t* window_class, const std::wstring& text, DWORD style, DWORD ex_style,
                 int id, HFONT font) {
    HWND control = CreateWindowExW(ex_style, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0,
                                   0, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

int text_width(HWND window, HFONT font, const std::wstring& text) {
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return size.cx;
}

int wrapped_text_height(HWND window, HFONT font, const std::wstring& text, int width) {
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, font);
    RECT area{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return area.bottom - area.top;
}

void place(HWND dialog, int id, int x, int y, int width, int height) {
    SetWindowPos(GetDlgItem(dialog, id), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT work_area_of(HMONITOR screen) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(screen, &monitor);
    return monitor.rcWork;
}

// Over the owner when it is on screen, otherwise in the middle of the work area.
void centre(HWND dialog, int width, int height) {
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    int outer_width = frame.right - frame.left;
    int outer_height = frame.bottom - frame.top;

    HWND owner = GetWindow(dialog, GW_OWNER);
    RECT around{};
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) {
        GetWindowRect(owner, &around);
    } else {
        around = work_area_of(MonitorFromWindow(dialog, MONITOR_DEFAULTTOPRIMARY));
    }
    const RECT work = work_area_of(MonitorFromRect(&around, MONITOR_DEFAULTTOPRIMARY));
    int x = around.left + (around.right - around.left - outer_width) / 2;
    int y = around.top + (around.bottom - around.top - outer_height) / 2;
    x = std::clamp(x, static_cast<int>(work.left), std::max<int>(work.left, work.right - outer_width));
    y = std::clamp(y, static_cast<int>(work.top), std::max<int>(work.top, work.bottom - outer_height));
    SetWindowPos(dialog, nullptr, x, y, outer_width, outer_height, SWP_NOZORDER | SWP_NOACTIVATE);
}


}  // namespace

void lay_out_input_box(HWND dialog, const InputBoxLook& look) {
    SetWindowTextW(dialog, look.caption.c_str());
    HFONT font = look.font;
    DialogUnits du = dialog_units_of(dialog, font);

    const int margin = du.x(7);
    const int gap = du.y(7);
    const int width = du.x(230);
    const int inner_width = width - 2 * margin;
    int y = du.y(7);

    if (!look.prompt.empty()) {
        const int padding = du.x(6);
        int text_width_inside = inner_width - 2 * padding;
        int text_height = std::clamp(wrapped_text_height(dialog, font, look.prompt, text_width_inside),
                                     du.base_y, du.base_y * 12);
        int frame_height = text_height + 2 * du.y(6);
        add_control(dialog, L"STATIC", L"", SS_ETCHEDFRAME, 0, parts::prompt_frame, font);
        add_control(dialog, L"STATIC", look.prompt, SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, 0, parts::prompt,
                    font);
        place(dialog, parts::prompt_frame, margin, y, inner_width, frame_height);
        place(dialog, parts::prompt, margin + padding, y + du.y(6), text_width_inside, text_height);
        y += frame_height + gap;
    }

    DWORD edit_style = WS_TABSTOP | ES_AUTOHSCROLL | (look.mode == password_mode ? ES_PASSWORD : 0);
    HWND edit = add_control(dialog, WC_EDITW, look.initial_text, edit_style, WS_EX_CLIENTEDGE, parts::edit,
                            font);
    restrict_typing(edit, look.mode);
    const int edit_height = du.y(14);
    place(dialog, parts::edit, margin, y, inner_width, edit_height);
    y += edit_height + gap;

    const int button_padding = du.x(8);
    const std::wstring confirm_caption = widen(language::text(language::Text::input_confirm));
    const std::wstring cancel_caption = widen(language::text(language::Text::input_cancel));
    const int button_width = std::max({du.x(50), text_width(dialog, font, confirm_caption) + 2 * button_padding,
                                       text_width(dialog, font, cancel_caption) + 2 * button_padding});
    const int button_height = du.y(14);
    add_control(dialog, WC_BUTTONW, confirm_caption, WS_TABSTOP | BS_DEFPUSHBUTTON, 0, IDOK, font);
    add_control(dialog, WC_BUTTONW, cancel_caption, WS_TABSTOP | BS_PUSHBUTTON, 0, IDCANCEL, font);
    int cancel_x = width - margin - button_width;
    place(dialog, IDCANCEL, cancel_x, y, button_width, button_height);
    place(dialog, IDOK, cancel_x - du.x(4) - button_width, y, button_width, button_height);
    y += button_height + du.y(7);

    centre(dialog, width, y);
    SendMessageW(dialog, DM_SETDEFID, IDOK, 0);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

}  // namespace kistvar::win32
