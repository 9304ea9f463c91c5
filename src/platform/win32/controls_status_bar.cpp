#include "platform/win32/controls_status_bar.h"

#include <commctrl.h>
#include <uxtheme.h>

#include "platform/win32/controls_scale.h"
#include "language/language.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_hook.h"

namespace kistvar::win32 {

namespace layout = ui::layout;

Win32StatusBar::Win32StatusBar(HWND parent, const layout::ControlLayout& placement, int id)
    // Placed by the layout, not by the bar's own habit of docking to the parent.
    : NativeControl(create_child(parent, STATUSCLASSNAMEW, "",
                                 WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0,
                                 placement.x, placement.y, placement.width, placement.height, id)) {
    fit_to_dpi();
    // Visual styles would paint over the bar's own colour, and not every
    // status bar honours its background colour: the bar paints itself here.
    SetWindowTheme(window_, L"", L"");
    SendMessageW(window_, SB_SETBKCOLOR, 0, static_cast<LPARAM>(colour_ref(layout::status_background)));
    hook_window(window_, &Win32StatusBar::paint, reinterpret_cast<DWORD_PTR>(this));
    set_status_text(0, language::text(layout::status_part0_text));
}

Win32StatusBar::~Win32StatusBar() { unhook_window(window_, &Win32StatusBar::paint); }

LRESULT CALLBACK Win32StatusBar::paint(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                       DWORD_PTR self) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;  // painted whole below
    case WM_NCPAINT:
        return 0;  // no frame: nothing outside the client area to paint
    case WM_PAINT: {
        PAINTSTRUCT painting{};
        HDC dc = BeginPaint(window, &painting);
        reinterpret_cast<const Win32StatusBar*>(self)->paint_parts(dc);
        EndPaint(window, &painting);
        return 0;
    }
    }
    return pass_on(window, message, wparam, lparam);
}

// The light blue ground, each part's text, and a thin line after each part but the last.
void Win32StatusBar::paint_parts(HDC dc) const {
    RECT all{};
    GetClientRect(window_, &all);
    HBRUSH ground = CreateSolidBrush(colour_ref(layout::status_background));
    FillRect(dc, &all, ground);
    DeleteObject(ground);
    HGDIOBJ old_font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    HPEN line = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    HGDIOBJ old_pen = SelectObject(dc, line);
    for (int part = 0; part < part_count; ++part) {
        RECT area{};
        SendMessageW(window_, SB_GETRECT, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&area));
        const std::wstring text = widen(status_text(part));
        RECT inside{area.left + scaled(2), area.top, area.right, area.bottom};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &inside,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (part + 1 < part_count) {
            MoveToEx(dc, area.right - 1, area.top + scaled(2), nullptr);
            LineTo(dc, area.right - 1, area.bottom - scaled(2));
        }
    }
    SelectObject(dc, old_pen);
    DeleteObject(line);
    SelectObject(dc, old_font);
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
