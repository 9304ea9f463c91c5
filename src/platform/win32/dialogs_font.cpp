#include "platform/win32/dialogs_font.h"

namespace kistvar::win32 {

MessageFont::MessageFont() : font_(nullptr), owned_(false) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        font_ = CreateFontIndirectW(&metrics.lfMessageFont);
        owned_ = font_ != nullptr;
    }
    if (!font_) font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

MessageFont::~MessageFont() {
    if (owned_) DeleteObject(font_);
}

DialogUnits dialog_units_of(HWND window, HFONT font) {
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    // The average width the dialog manager uses: the width of the 52 letters.
    SIZE letters{};
    GetTextExtentPoint32W(dc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return {(letters.cx / 26 + 1) / 2, static_cast<int>(metrics.tmHeight)};
}

}  // namespace kistvar::win32
