// Where Windows starts the program: the runtime's start sequence around the
// logic's entry.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "app/start_up.h"
#include "platform/runtime.h"
#include "platform/dialogs.h"
#include "platform/win32/running_copy.h"
#include "platform/win32/wide_text.h"

namespace {

// Relative paths (and the settings file beside the program) must mean the
// program's folder, whatever folder the player launched it from. The
// backslash matters for a program in a drive's root: "C:" alone would name
// the drive's current folder, not its root.
void enter_program_folder() {
    SetCurrentDirectoryW(kistvar::win32::widen_path(kistvar::program_folder() + "\\").c_str());
}

void load_common_controls() {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // A second start in the same folder shows the running window instead.
    if (kistvar::win32::hand_over_to_running_copy()) return 0;
    enter_program_folder();
    // OLE rather than plain COM: the lists are drop targets for shell files.
    HRESULT ole = OleInitialize(nullptr);
    load_common_controls();

    int exit_code = kistvar::program_entry();

    kistvar::run_cleanup();
    if (SUCCEEDED(ole)) OleUninitialize();
    return exit_code;
}
