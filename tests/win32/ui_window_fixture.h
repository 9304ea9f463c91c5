// The real main window, built as the program builds it, with a driver that
// has shown it; and a way to reach the plain windows (labels, group boxes)
// that the logic never names.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string_view>

#include "platform/win32/main_window.h"
#include "support/driver.h"
#include "ui/layout.h"

namespace kistvar::test {

class RealWindowTest : public ::testing::Test {
protected:
    RealWindowTest() : window_(ui::create_main_window()), driver_(make_driver(*window_)) {}

    ui::MainWindow& w() { return *window_; }
    win32::Win32MainWindow& real() { return dynamic_cast<win32::Win32MainWindow&>(*window_); }
    Driver& driver() { return *driver_; }
    static HWND handle(const ui::Control& control) { return reinterpret_cast<HWND>(control.window_handle()); }
    // The child window whose text is the caption, image buttons left out; nullptr when none.
    HWND child_captioned(std::string_view caption);
    // The child's rectangle in the main window's client coordinates.
    RECT placed(HWND child);

private:
    std::unique_ptr<ui::MainWindow> window_;
    std::unique_ptr<Driver> driver_;
};

}  // namespace kistvar::test
