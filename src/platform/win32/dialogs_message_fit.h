// A message box's text made to fit the screen. Windows breaks a message's
// lines at spaces only, so a run of characters with none (a long title, a
// path) could make the box wider than the screen.
#pragma once

#include <string>
#include <string_view>

namespace kistvar::win32 {

// The text with every run between spaces and line breaks that is wider than
// two thirds of the screen, in the message font, shortened in its middle
// with "…": its beginning and its end stay readable.
std::wstring fitted_to_screen(std::wstring_view text);

}  // namespace kistvar::win32
