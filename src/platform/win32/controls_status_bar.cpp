#include "platform/win32/controls_status_bar.h"

#include <commctrl.h>
#include <uxtheme.h>

#include "platform/win32/controls_scale.h"
#include "platform/win32/wide_text.h"

namespace kistvar::win32 {

namespace layout = ui::layout;

Win32StatusBar::Win32StatusBar(HWND parent, const layout::ControlSpec& spec, int id)
    // Placed by the layout, not by the bar's own habit of docking to the parent.
    : NativeControl(create_child(parent, STATUSCLASSNAMEW, "",
                                 WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0,
                                 spec.x, spec.y, spec.width, spec.height, id)) {
    fit_to_dpi();
    // Visual styles would paint over the bar's own colour.
    SetWindowTheme(window_, L"", L"");
    SendMessageW(window_, SB_SETBKCOLOR, 0, static_cast<LPARAM>(colour_ref(layout::status_background)));
    set_status_text(0, layout::status_part0_text);
}

void Win32StatusBar::fit_to_dpi() {
    int right_edges[part_count] = {scaled(layout::status_part0_width),
                                   scaled(layout::status_part0_width + layout::status_part1_width)};
    SendMessageW(window_, SB_SETPARTS, part_count, reinterpret_cast<LPARAM>(right_edges));
}

std::string Win32StatusBar::status_text(int part) const {
    if (part < 0 || part >= part_count) return {};
    const auto length = LOWORD(SendMessageW(window_, SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0));
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(window_, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return narrow(text);
}

void Win32StatusBar::set_status_text(int part, std::string_view text) {
    if (part < 0 || part >= part_count) return;
    SendMessageW(window_, SB_SETTEXTW, static_cast<WPARAM>(part),
                 reinterpret_cast<LPARAM>(widen(text).c_str()));
}

}  // namespace kistvar::win32
