// Layout geometry is given at 96 DPI. Every pixel size a control is created
// or placed with passes through scaled(), at the DPI of the monitor the
// window is on (the window follows it when it moves to another monitor).
#pragma once

#include <windows.h>

namespace kistvar::win32 {

constexpr int layout_dpi = 96;

// The DPI the window's controls are laid out for now.
int current_dpi();
void set_current_dpi(int dpi);

inline int scaled_for(int pixels_at_96_dpi, int dpi) { return MulDiv(pixels_at_96_dpi, dpi, layout_dpi); }
inline int scaled(int pixels_at_96_dpi) { return scaled_for(pixels_at_96_dpi, current_dpi()); }

// The window's DPI: GetDpiForWindow where Windows has it (10 1607 and later),
// else the screen's (Windows 7 and 8 have one DPI for every monitor).
int dpi_of(HWND window);

}  // namespace kistvar::win32
