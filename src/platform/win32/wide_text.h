// Text at the Win32 border: the program's UTF-8 on one side, the wide (UTF-16)
// functions of Windows on the other.
#pragma once

#include <string>
#include <string_view>

namespace kistvar::win32 {

// UTF-8 to UTF-16; invalid bytes become U+FFFD.
std::wstring widen(std::string_view utf8);
// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string narrow(std::wstring_view utf16);
// UTF-8 into a control's text buffer of `capacity` characters, cut to fit
// and always ended by a null (nothing at all for a capacity below 1).
void copy_widened(std::string_view utf8, wchar_t* buffer, int capacity);

// A path for the wide file functions. A path too long for MAX_PATH is made
// absolute and given the "\\?\" prefix (or "\\?\UNC\" for a share), which lifts
// the limit; shorter paths are passed as they are, so Windows' usual
// normalisation still applies to them.
std::wstring widen_path(std::string_view utf8_path);

}  // namespace kistvar::win32
