// Test-only window onto the modal dialogs. The program never sets it; the
// Win32 test support does, to record what each dialog showed (its style is
// known for certain only from inside) and to answer it.
#pragma once

#include <string_view>

namespace kistvar::win32 {

enum class DialogKind { message_box, input_box, folder_chooser };

struct DialogRequest {
    DialogKind kind;
    std::string_view text;     // message text, input prompt, chooser title
    std::string_view caption;  // title bar text as shown (input box: after the default applies)
    int style = 0;             // message box: the style bits as passed to the platform
};

// Called on the dialog's thread just before the dialog is shown.
using DialogObserver = void (*)(const DialogRequest& request);

inline DialogObserver dialog_observer = nullptr;

}  // namespace kistvar::win32
