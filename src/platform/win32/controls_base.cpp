#include "platform/win32/controls_base.h"

#include "platform/win32/controls_scale.h"
#include "platform/win32/wide_text.h"

namespace kistvar::win32 {

HWND create_child(HWND parent, const wchar_t* window_class, std::string_view text, DWORD style,
                  DWORD extended_style, int x, int y, int width, int height, int id) {
    HWND child = CreateWindowExW(extended_style, window_class, widen(text).c_str(), WS_CHILD | style,
                                 scaled(x), scaled(y), scaled(width), scaled(height), parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
    if (child) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(controls_font()), FALSE);
    return child;
}

HFONT controls_font() {
    static const HFONT font = [] {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
            // Box titles and captions are mostly Chinese: ask for a face that has
            // the characters rather than relying on font linking, which not every
            // system (Wine among them) sets up.
            metrics.lfMessageFont.lfCharSet = GB2312_CHARSET;
            return CreateFontIndirectW(&metrics.lfMessageFont);
        }
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }();
    return font;
}

HFONT group_caption_font() {
    static const HFONT font = [] {
        LOGFONTW description{};
        description.lfHeight = -scaled(ui::layout::group_caption_font_height);
        description.lfWeight = FW_NORMAL;
        description.lfCharSet = GB2312_CHARSET;
        description.lfQuality = DEFAULT_QUALITY;
        return CreateFontIndirectW(&description);
    }();
    return font;
}

}  // namespace kistvar::win32
