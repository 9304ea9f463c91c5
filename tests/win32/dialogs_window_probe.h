// Looks at a dialog window once it is up and active, before the queued answer
// acts on it: what the player sees, read from the real window.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace kistvar::test::win32 {

class DialogWindowProbe {
public:
    // `look` runs once, on the first dialog box (#32770) that becomes active.
    explicit DialogWindowProbe(std::function<void(HWND dialog)> look);
    ~DialogWindowProbe();
    DialogWindowProbe(const DialogWindowProbe&) = delete;
    DialogWindowProbe& operator=(const DialogWindowProbe&) = delete;

    bool looked() const { return looked_; }

private:
    static LRESULT CALLBACK on_window_event(int code, WPARAM wparam, LPARAM lparam);
    static LRESULT CALLBACK on_message_taken(int code, WPARAM wparam, LPARAM lparam);
    std::function<void(HWND)> look_;
    HHOOK activation_hook_;
    HHOOK message_hook_;
    bool posted_ = false;
    bool looked_ = false;
};

std::string window_text(HWND window);
// The text of a message box (Windows gives its static the id 0xFFFF; Wine another).
std::string message_box_text(HWND box);
// A plain visible top-level window standing in for the program's main window.
class StandInMainWindow {
public:
    StandInMainWindow();
    ~StandInMainWindow();
    HWND handle() const { return window_; }

private:
    HWND window_;
};

}  // namespace kistvar::test::win32
