// The input box: a small modal dialog built in code, with an optional prompt
// in a frame, one edit field and the confirm and cancel buttons.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/dialogs.h"
#include "platform/win32/dialogs_font.h"
#include "platform/win32/dialogs_input_box.h"
#include "platform/win32/dialogs_modality.h"
#include "platform/win32/dialogs_observer.h"
#include "platform/win32/wide_text.h"

namespace kistvar {

namespace {

namespace parts = win32::input_box_parts;

enum InputMode { any_text = 1, whole_number = 2, decimal_number = 3, password = 4 };

int clamped_mode(int mode) { return std::clamp(mode, 1, 4); }

struct Session {
    std::wstring prompt;
    std::wstring caption;
    std::wstring initial_text;
    int mode;
    HFONT font;
    std::wstring typed;  // the edit's text when confirmed
};

bool allowed_in_mode(wchar_t typed, int mode) {
    if (typed < 32) return true;  // Backspace, Ctrl+V, Ctrl+A ... always work
    bool digit = typed >= L'0' && typed <= L'9';
    if (mode == whole_number) return digit || typed == L'-';
    if (mode == decimal_number) return digit || typed == L'-' || typed == L'.';
    return true;
}

LRESULT CALLBACK filter_typed_characters(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                         DWORD_PTR mode) {
    if (message == WM_CHAR && !allowed_in_mode(static_cast<wchar_t>(wparam), static_cast<int>(mode)))
        return 0;
    if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, filter_typed_characters, 0);
    return DefSubclassProc(edit, message, wparam, lparam);
}

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

const std::wstring confirm_caption = L"确认输入(&O)";
const std::wstring cancel_caption = L"取消(&C)";

void build(HWND dialog, const Session& session) {
    SetWindowTextW(dialog, session.caption.c_str());
    HFONT font = session.font;
    win32::DialogUnits du = win32::dialog_units_of(dialog, font);

    const int margin = du.x(7);
    const int gap = du.y(7);
    const int width = du.x(230);
    const int inner_width = width - 2 * margin;
    int y = du.y(7);

    if (!session.prompt.empty()) {
        const int padding = du.x(6);
        int text_width_inside = inner_width - 2 * padding;
        int text_height = std::clamp(wrapped_text_height(dialog, font, session.prompt, text_width_inside),
                                     du.base_y, du.base_y * 12);
        int frame_height = text_height + 2 * du.y(6);
        add_control(dialog, L"STATIC", L"", SS_ETCHEDFRAME, 0, parts::prompt_frame, font);
        add_control(dialog, L"STATIC", session.prompt, SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, 0, parts::prompt,
                    font);
        place(dialog, parts::prompt_frame, margin, y, inner_width, frame_height);
        place(dialog, parts::prompt, margin + padding, y + du.y(6), text_width_inside, text_height);
        y += frame_height + gap;
    }

    DWORD edit_style = WS_TABSTOP | ES_AUTOHSCROLL | (session.mode == password ? ES_PASSWORD : 0);
    HWND edit = add_control(dialog, WC_EDITW, session.initial_text, edit_style, WS_EX_CLIENTEDGE, parts::edit,
                            font);
    if (session.mode == whole_number || session.mode == decimal_number)
        SetWindowSubclass(edit, filter_typed_characters, 0, static_cast<DWORD_PTR>(session.mode));
    const int edit_height = du.y(14);
    place(dialog, parts::edit, margin, y, inner_width, edit_height);
    y += edit_height + gap;

    const int button_padding = du.x(8);
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

std::wstring text_of(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

INT_PTR CALLBACK input_box_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lparam);
            build(dialog, *reinterpret_cast<Session*>(lparam));
            return FALSE;  // the focus is set: on the edit, its text selected
        case WM_COMMAND:
            if (LOWORD(wparam) == IDOK) {
                auto* session = reinterpret_cast<Session*>(GetWindowLongPtrW(dialog, DWLP_USER));
                session->typed = text_of(GetDlgItem(dialog, parts::edit));
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wparam) == IDCANCEL) {  // also Escape and the close button
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

// An empty template: every part is made in WM_INITDIALOG, sized by the font.
struct alignas(DWORD) EmptyDialogTemplate {
    DLGTEMPLATE header;
    WORD no_menu = 0;
    WORD default_class = 0;
    WORD no_title = 0;
};

}  // namespace

bool input_box(std::string_view prompt, std::string_view caption, std::string_view initial_text,
               std::string& result, int input_mode) {
    std::string_view shown_caption = caption.empty() ? std::string_view("请输入：") : caption;
    if (win32::dialog_observer) win32::dialog_observer({win32::DialogKind::input_box, prompt, shown_caption, 0});

    win32::MessageFont font;
    Session session{win32::widen(prompt), win32::widen(shown_caption), win32::widen(initial_text),
                    clamped_mode(input_mode), font.handle(), {}};

    EmptyDialogTemplate dialog_template{};
    dialog_template.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFOREGROUND;
    dialog_template.header.dwExtendedStyle = WS_EX_DLGMODALFRAME;

    win32::ProgramWindowsDisabled task_modal;
    INT_PTR pressed = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &dialog_template.header, task_modal.owner(),
                                              input_box_procedure, reinterpret_cast<LPARAM>(&session));
    if (pressed != IDOK) return false;
    result = win32::narrow(session.typed);
    return true;
}

}  // namespace kistvar
