// Layout geometry is given at 96 DPI. Every pixel size a control is created
// with passes through here, so that following the monitor's DPI later is a
// change in one place.
#pragma once

namespace kistvar::win32 {

inline int scaled(int pixels_at_96_dpi) { return pixels_at_96_dpi; }

}  // namespace kistvar::win32
