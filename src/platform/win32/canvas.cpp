#include "platform/win32/canvas.h"

#include <algorithm>

namespace kistvar::win32 {

HBITMAP make_canvas(int width, int height) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = std::max(width, 1);
    format.bmiHeader.biHeight = -std::max(height, 1);  // top-down, as the screen
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
}

}  // namespace kistvar::win32
