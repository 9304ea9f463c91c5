// UTF-16LE file bytes, as Notepad's "Unicode" writes them, to and from the
// program's UTF-8. Portable: the settings file reads the same everywhere.
#pragma once

#include <string>
#include <string_view>

namespace kistvar::utf16le {

inline constexpr std::string_view byte_order_mark = "\xFF\xFE";

// Lone surrogates and a dangling last byte become U+FFFD.
std::string to_utf8(std::string_view bytes);
// Invalid UTF-8 bytes become U+FFFD.
std::string from_utf8(std::string_view utf8);

}  // namespace kistvar::utf16le
