// Test-only window onto the modal dialogs and the shell opens. The program
// never sets it; the Win32 test support does, to record what was shown (a
// message box's style is known for certain only from inside). It only
// watches: the test support answers each dialog through its window. While
// it is set, shell opens are recorded and not carried out.
#pragma once

#include <string_view>

namespace kistvar::win32 {

enum class DialogKind { message_box, input_box, folder_chooser, shell_open };

struct DialogRequest {
    DialogKind kind;
    std::string_view text;     // message text, input prompt, chooser title, opened path
    std::string_view caption;  // title bar text as shown (input box: after the default applies);
                               // shell open: the action number
    int style = 0;             // message box: the style bits as passed to the platform
};

// Called on the program's thread just before the dialog is shown or the
// shell is asked.
using DialogObserver = void (*)(const DialogRequest& request);

inline DialogObserver dialog_observer = nullptr;

}  // namespace kistvar::win32
