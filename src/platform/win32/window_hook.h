// A procedure of ours in front of a control's own, as comctl32's
// SetWindowSubclass puts one, with the same kind of procedure. comctl32 keeps
// its record of the procedures as a window property, which Wine keeps in its
// server: each message to such a control asked the server three times (330
// requests at a start of the program). This record stays in the program.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace kistvar::win32 {

// One hook per window; `data` reaches the procedure as its last argument.
void hook_window(HWND window, SUBCLASSPROC procedure, DWORD_PTR data);
// Takes the procedure off; it is forgotten anyway when the window goes.
void unhook_window(HWND window, SUBCLASSPROC procedure);
// The message to the window's own procedure, as DefSubclassProc passes it on.
LRESULT pass_on(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace kistvar::win32
