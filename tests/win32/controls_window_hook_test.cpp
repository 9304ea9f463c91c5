// A procedure in front of a control's own: it sees the messages first, passes
// on what it does not take, and comes off without breaking a chain that a
// later subclass (a tool tip's, say) has built on top of it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "platform/win32/window_hook.h"

namespace kistvar::test {
namespace {

using win32::hook_window;
using win32::pass_on;
using win32::unhook_window;

constexpr UINT asked = WM_APP + 7;

// Answers `asked` with its data; passes everything else on.
LRESULT CALLBACK answer(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR data) {
    if (message == asked) return static_cast<LRESULT>(data);
    return pass_on(window, message, wparam, lparam);
}

// A later subclass that adds one to whatever the chain below it answers.
LRESULT CALLBACK add_one(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
    const LRESULT below = DefSubclassProc(window, message, wparam, lparam);
    return message == asked ? below + 1 : below;
}

TEST(WindowHook, StandsInFrontPassesOnAndComesOffUnderALaterSubclass) {
    HWND label = CreateWindowExW(0, L"STATIC", L"own text", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(label, nullptr);
    auto text = [&] {
        wchar_t read[32] = L"";
        GetWindowTextW(label, read, 32);
        return std::wstring(read);
    };

    hook_window(label, answer, 41);
    EXPECT_EQ(SendMessageW(label, asked, 0, 0), 41);
    EXPECT_EQ(text(), L"own text");  // the control's own procedure still answers the rest

    SetWindowSubclass(label, add_one, 1, 0);
    EXPECT_EQ(SendMessageW(label, asked, 0, 0), 42);
    unhook_window(label, answer);  // under the later subclass: ours now only passes on
    EXPECT_EQ(SendMessageW(label, asked, 0, 0), 1);
    EXPECT_EQ(text(), L"own text");

    RemoveWindowSubclass(label, add_one, 1);
    hook_window(label, answer, 7);
    unhook_window(label, answer);  // on top again: the own procedure is put back
    EXPECT_EQ(SendMessageW(label, asked, 0, 0), 0);
    EXPECT_EQ(text(), L"own text");
    DestroyWindow(label);
}

}  // namespace
}  // namespace kistvar::test
