// The input box's parts, named for those who drive it from outside (tests).
#pragma once

namespace kistvar::win32::input_box_parts {

inline constexpr int prompt_frame = 1000;
inline constexpr int prompt = 1001;
inline constexpr int edit = 1002;
// The buttons are the dialog manager's own IDOK and IDCANCEL.

}  // namespace kistvar::win32::input_box_parts
