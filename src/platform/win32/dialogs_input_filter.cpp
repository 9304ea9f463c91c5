#include "platform/win32/dialogs_input_filter.h"

#include <commctrl.h>

#include "platform/win32/window_hook.h"

namespace kistvar::win32 {

namespace {

constexpr int whole_number = 2;
constexpr int decimal_number = 3;

LRESULT CALLBACK filter_typed_characters(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                         DWORD_PTR mode) {
    if (message == WM_CHAR && !allowed_in_mode(static_cast<wchar_t>(wparam), static_cast<int>(mode)))
        return 0;
    if (message == WM_NCDESTROY) unhook_window(edit, filter_typed_characters);
    return pass_on(edit, message, wparam, lparam);
}

}  // namespace

bool allowed_in_mode(wchar_t typed, int mode) {
    if (typed < 32) return true;
    bool digit = typed >= L'0' && typed <= L'9';
    if (mode == whole_number) return digit || typed == L'-';
    if (mode == decimal_number) return digit || typed == L'-' || typed == L'.';
    return true;
}

void restrict_typing(HWND edit, int mode) {
    if (mode == whole_number || mode == decimal_number)
        hook_window(edit, filter_typed_characters, static_cast<DWORD_PTR>(mode));
}

}  // namespace kistvar::win32
