// The on-disk encoding of the settings file and the readme. Our own codec, the
// same on Windows, Wine and Linux (Wine has no GB18030 code page).
#pragma once

#include <string>
#include <string_view>

namespace kistvar::gb18030 {

// UTF-8 to GB18030 bytes. Every Unicode scalar is representable. The euro sign
// is written as the single byte 0x80, as GBK (code page 936) readers expect.
// Invalid UTF-8 bytes are written as '?'.
std::string from_utf8(std::string_view utf8);

// GB18030 (and GBK) bytes to UTF-8. A lone 0x80 and A2E3 both read as the euro
// sign. Bytes that form no valid sequence become U+FFFD; never fails.
std::string to_utf8(std::string_view bytes);

}  // namespace kistvar::gb18030
