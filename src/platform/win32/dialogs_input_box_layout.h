// Where the input box's parts go: sized by the message font, the prompt's
// frame only when there is a prompt, the buttons at the bottom right.
#pragma once

#include <windows.h>

#include <string>

namespace kistvar::win32 {

struct InputBoxLook {
    std::wstring prompt;  // empty: no frame, no prompt
    std::wstring caption;
    std::wstring initial_text;
    int mode;  // 1..4: any text, whole number, decimal number, password
    HFONT font;
};

// Makes every part of the dialog, sizes and centres it, and leaves the focus
// in the edit field with its whole text selected.
void lay_out_input_box(HWND dialog, const InputBoxLook& look);

}  // namespace kistvar::win32
