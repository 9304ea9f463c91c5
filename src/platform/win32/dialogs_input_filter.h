// The number modes of the input box: typed characters that cannot belong to
// a number are ignored; control keys (Backspace, Ctrl+V ...) always work.
#pragma once

#include <windows.h>

namespace kistvar::win32 {

// Mode 2: digits and "-"; mode 3: digits, "-" and "."; other modes: no limit.
bool allowed_in_mode(wchar_t typed, int mode);
// Makes the edit field ignore what its mode does not allow.
void restrict_typing(HWND edit, int mode);

}  // namespace kistvar::win32
