#include "platform/win32/controls_base.h"

#include <map>

#include "platform/win32/controls_scale.h"
#include "platform/win32/wide_text.h"

namespace kistvar::win32 {
namespace {

int dpi_now = 0;

// Where each child sits at 96 DPI. A handle Windows hands out again simply
// gets the new child's rectangle.
std::map<HWND, RECT>& placements() {
    static std::map<HWND, RECT> all;
    return all;
}

std::map<int, HFONT>& group_fonts() {
    static std::map<int, HFONT> fonts;
    return fonts;
}

// One font per DPI met; a window seldom meets more than two.
template <class Make>
HFONT font_for_dpi(std::map<int, HFONT>& fonts, Make make) {
    const int dpi = current_dpi();
    auto found = fonts.find(dpi);
    if (found == fonts.end()) found = fonts.emplace(dpi, make(dpi)).first;
    return found->second;
}

}  // namespace

int current_dpi() {
    if (dpi_now == 0) dpi_now = dpi_of(nullptr);
    return dpi_now;
}

void set_current_dpi(int dpi) { dpi_now = dpi > 0 ? dpi : layout_dpi; }

int dpi_of(HWND window) {
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpi_for_window = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (window && dpi_for_window)
        if (const UINT dpi = dpi_for_window(window)) return static_cast<int>(dpi);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : layout_dpi;
}

HWND create_child(HWND parent, const wchar_t* window_class, std::string_view text, DWORD style,
                  DWORD extended_style, int x, int y, int width, int height, int id) {
    HWND child = CreateWindowExW(extended_style, window_class, widen(text).c_str(), WS_CHILD | style,
                                 scaled(x), scaled(y), scaled(width), scaled(height), parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
    if (child) {
        placements()[child] = RECT{x, y, x + width, y + height};
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(controls_font()), FALSE);
    }
    return child;
}

void place_children_again(HWND parent) {
    // The fonts the children had are known by handle, whatever DPI they were made for.
    const HFONT group_font = group_caption_font();
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const auto found = placements().find(child);
        if (found == placements().end()) continue;
        const RECT& at = found->second;
        SetWindowPos(child, nullptr, scaled(at.left), scaled(at.top), scaled(at.right - at.left),
                     scaled(at.bottom - at.top), SWP_NOZORDER | SWP_NOACTIVATE);
        const auto had = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
        bool group = false;
        for (const auto& [dpi, font] : group_fonts()) group = group || font == had;
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(group ? group_font : controls_font()), TRUE);
    }
}

HFONT controls_font() {
    static std::map<int, HFONT> fonts;
    return font_for_dpi(fonts, [](int dpi) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
            // The system's metrics are for the system's DPI; the window's monitor may have another.
            metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, dpi_of(nullptr));
            // Box titles and captions are mostly Chinese: ask for a face that has
            // the characters rather than relying on font linking, which not every
            // system (Wine among them) sets up.
            metrics.lfMessageFont.lfCharSet = GB2312_CHARSET;
            return CreateFontIndirectW(&metrics.lfMessageFont);
        }
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    });
}

HFONT group_caption_font() {
    return font_for_dpi(group_fonts(), [](int dpi) {
        LOGFONTW description{};
        description.lfHeight = -scaled_for(ui::layout::group_caption_font_height, dpi);
        description.lfWeight = FW_NORMAL;
        description.lfCharSet = GB2312_CHARSET;
        description.lfQuality = DEFAULT_QUALITY;
        return CreateFontIndirectW(&description);
    });
}

}  // namespace kistvar::win32
