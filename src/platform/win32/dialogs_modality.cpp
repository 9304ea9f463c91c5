#include "platform/win32/dialogs_modality.h"

namespace kistvar::win32 {

namespace {

BOOL CALLBACK disable_if_enabled(HWND window, LPARAM disabled_list) {
    if (IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        reinterpret_cast<std::vector<HWND>*>(disabled_list)->push_back(window);
    }
    return TRUE;
}

}  // namespace

ProgramWindowsDisabled::ProgramWindowsDisabled()
    : foreground_(GetForegroundWindow()), active_(GetActiveWindow()) {
    EnumThreadWindows(GetCurrentThreadId(), disable_if_enabled, reinterpret_cast<LPARAM>(&disabled_));
}

ProgramWindowsDisabled::~ProgramWindowsDisabled() {
    for (HWND window : disabled_)
        if (IsWindow(window)) EnableWindow(window, TRUE);
    if (foreground_ && IsWindow(foreground_)) SetForegroundWindow(foreground_);
    if (active_ && IsWindow(active_)) SetActiveWindow(active_);
}

}  // namespace kistvar::win32
