// Keeps the program's windows from taking input while one of its own modal
// dialogs is open, and gives the player back the window they were in.
#pragma once

#include <windows.h>

#include <vector>

namespace kistvar::win32 {

class ProgramWindowsDisabled {
public:
    // Disables every enabled top-level window of this thread and remembers
    // the foreground and the active window.
    ProgramWindowsDisabled();
    // Re-enables exactly the windows it disabled, then makes the remembered
    // windows foreground and active again.
    ~ProgramWindowsDisabled();

    ProgramWindowsDisabled(const ProgramWindowsDisabled&) = delete;
    ProgramWindowsDisabled& operator=(const ProgramWindowsDisabled&) = delete;

    // The window a dialog should belong to: the one that was active (may be null).
    HWND owner() const { return active_; }

private:
    std::vector<HWND> disabled_;
    HWND foreground_;
    HWND active_;
};

}  // namespace kistvar::win32
