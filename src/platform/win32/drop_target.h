// Files dropped from the shell onto a list: an OLE drop target that accepts
// the shell's file lists (CF_HDROP) and hands them on as text.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>

#include "ui/controls.h"

namespace kistvar::win32 {

class Win32DropTarget final : public ui::DropTarget {
public:
    Win32DropTarget();
    ~Win32DropTarget() override;
    Win32DropTarget(const Win32DropTarget&) = delete;
    Win32DropTarget& operator=(const Win32DropTarget&) = delete;

    bool register_on(std::intptr_t window_handle) override;
    // Takes the target off its window; for the window's last moments.
    void revoke();

private:
    class Receiver;
    Receiver* receiver_;  // COM object; we hold one reference
    HWND window_ = nullptr;
    bool used_ = false;
};

// One path as it is; several, each followed by "\r\n".
std::string dropped_files_text(HDROP files);

// The drop target registered on a window by us, or nullptr; lets a test hand
// a drop to it as the shell's drag-and-drop loop would.
IDropTarget* drop_target_on(HWND window);

}  // namespace kistvar::win32
