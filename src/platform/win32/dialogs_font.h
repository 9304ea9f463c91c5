// The font Windows uses for message boxes, so the program's own dialogs read
// like the system's.
#pragma once

#include <windows.h>

namespace kistvar::win32 {

// Owns an HFONT for the message font (or the default GUI font if the system
// will not tell).
class MessageFont {
public:
    MessageFont();
    ~MessageFont();
    MessageFont(const MessageFont&) = delete;
    MessageFont& operator=(const MessageFont&) = delete;

    HFONT handle() const { return font_; }

private:
    HFONT font_;
    bool owned_;
};

// Dialog units of a font: horizontal units are a quarter of the average
// character width, vertical units an eighth of the character height.
struct DialogUnits {
    int base_x;
    int base_y;
    int x(int units) const { return MulDiv(units, base_x, 4); }
    int y(int units) const { return MulDiv(units, base_y, 8); }
};
DialogUnits dialog_units_of(HWND window, HFONT font);

}  // namespace kistvar::win32
