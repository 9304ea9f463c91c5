// Telling UTF-8 file bytes from GBK ones: the settings file may have been
// saved as UTF-8 by an editor, with or without its byte order mark.
#pragma once

#include <string>
#include <string_view>

namespace kistvar::utf8 {

inline constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

// Every byte belongs to a well-formed sequence: no stray continuation byte, no
// overlong form, no surrogate, nothing past U+10FFFF.
bool is_well_formed(std::string_view bytes);
bool is_plain_ascii(std::string_view bytes);

// Appends the code point as UTF-8 (the caller gives a valid one).
void append(std::string& out, char32_t code_point);

}  // namespace kistvar::utf8
