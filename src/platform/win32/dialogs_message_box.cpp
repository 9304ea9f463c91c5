// The platform's message box, with the program's own numbering of buttons.
#include <windows.h>

#include "language/language.h"
#include "platform/dialogs.h"
#include "platform/win32/dialogs_message_fit.h"
#include "platform/win32/dialogs_observer.h"
#include "platform/win32/wide_text.h"

namespace kistvar {

namespace {

// A box without an owner is modal to nothing; task-modal keeps the main
// window from taking input while it is open.
UINT with_task_modality(int style) {
    UINT bits = static_cast<UINT>(style);
    return (bits & MB_SYSTEMMODAL) ? bits : bits | MB_TASKMODAL;
}

int result_of(int pressed_button, UINT style) {
    // A box with only OK can only answer OK, however it was closed (Wine says
    // Cancel for the close button where Windows says OK).
    if ((style & MB_TYPEMASK) == MB_OK) return result_ok;
    switch (pressed_button) {
        case IDOK: return result_ok;
        case IDCANCEL: return result_cancel;
        case IDABORT: return result_abort;
        case IDRETRY: return result_retry;
        case IDIGNORE: return result_ignore;
        case IDYES: return result_yes;
        case IDNO: return result_no;
        default: return result_ok;  // including 0: the box could not be shown
    }
}

}  // namespace

int message_box(std::string_view text, int style, std::string_view caption) {
    UINT platform_style = with_task_modality(style);
    const std::string_view title = caption.empty() ? language::text(language::Text::default_message_caption) : caption;
    if (win32::dialog_observer)
        win32::dialog_observer({win32::DialogKind::message_box, text, title, static_cast<int>(platform_style)});
    int pressed = MessageBoxW(nullptr, win32::fitted_to_screen(win32::widen(text)).c_str(), win32::widen(title).c_str(),
                              platform_style);
    return result_of(pressed, platform_style);
}

}  // namespace kistvar
