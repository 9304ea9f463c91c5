// The input box: a small modal dialog built in code, with an optional prompt
// in a frame, one edit field and the confirm and cancel buttons.
#include <windows.h>

#include <algorithm>
#include <string>

#include "language/language.h"
#include "platform/dialogs.h"
#include "platform/win32/dialogs_font.h"
#include "platform/win32/dialogs_input_box.h"
#include "platform/win32/dialogs_input_box_layout.h"
#include "platform/win32/dialogs_modality.h"
#include "platform/win32/dialogs_observer.h"
#include "platform/win32/wide_text.h"

namespace kistvar {

namespace {

namespace parts = win32::input_box_parts;

int clamped_mode(int mode) { return std::clamp(mode, 1, 4); }

struct Session {
    win32::InputBoxLook look;
    std::wstring typed;  // the edit's text when confirmed
};

std::wstring text_of(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

INT_PTR CALLBACK input_box_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lparam);
            win32::lay_out_input_box(dialog, reinterpret_cast<Session*>(lparam)->look);
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
    std::string_view shown_caption = caption.empty() ? language::text(language::Text::default_input_caption) : caption;
    if (win32::dialog_observer) win32::dialog_observer({win32::DialogKind::input_box, prompt, shown_caption, 0});

    win32::MessageFont font;
    Session session{{win32::widen(prompt), win32::widen(shown_caption), win32::widen(initial_text),
                     clamped_mode(input_mode), font.handle()},
                    {}};

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
