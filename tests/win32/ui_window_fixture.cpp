#include "ui_window_fixture.h"

#include "platform/win32/controls_pages.h"
#include "platform/win32/wide_text.h"

namespace kistvar::test {

HWND RealWindowTest::child_captioned(std::string_view caption) {
    // The options page is made when first needed; its labels are among the children looked through.
    dynamic_cast<win32::Win32Pages&>(*w().选择夹1).make(1);
    const std::wstring wanted = win32::widen(caption);
    for (HWND child = GetWindow(real().hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        // Image buttons carry their tool-tip as text for screen readers, but show none.
        if ((GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW) continue;
        wchar_t text[256] = {};
        GetWindowTextW(child, text, 256);
        if (wanted == text) return child;
    }
    return nullptr;
}

RECT RealWindowTest::placed(HWND child) {
    RECT area{};
    GetWindowRect(child, &area);
    MapWindowPoints(nullptr, real().hwnd(), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

}  // namespace kistvar::test
