#include "platform/win32/stash_grid.h"

#include "platform/win32/controls_scale.h"
#include "platform/win32/wide_text.h"
#include "language/language.h"
#include "platform/win32/window_hook.h"

namespace kistvar::win32 {

namespace {

constexpr wchar_t grid_property[] = L"Kistvar.StashGrid";
constexpr language::Text tab_captions[ui::grid_tabs] = {language::Text::tab_gear, language::Text::tab_consumables,
                                                        language::Text::tab_spells};

HWND create_grid_window(HWND parent, int id) {
    // The tab control never takes the focus by itself: the grid takes it on
    // every click, in the headers as on the cells.
    return CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | TCS_FOCUSNEVER,
                           0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

Win32StashGrid::Win32StashGrid(HWND parent, int id) : NativeControl(create_grid_window(parent, id)) {
    SetPropW(window_, grid_property, this);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(controls_font()), FALSE);
    for (int tab = 0; tab < ui::grid_tabs; ++tab) {
        TCITEMW item{};
        SendMessageW(window_, TCM_INSERTITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
    }
    show_texts();
    hook_window(window_, &Win32StashGrid::procedure, reinterpret_cast<DWORD_PTR>(this));
    create_tips();
    place(0, 0);
}

Win32StashGrid::~Win32StashGrid() {
    forget_frame();
    if (tips_ && IsWindow(tips_)) DestroyWindow(tips_);
    if (Win32StashGrid::of(window_) != this) return;  // the window went first
    unhook_window(window_, &Win32StashGrid::procedure);
    RemovePropW(window_, grid_property);
}

Win32StashGrid* Win32StashGrid::of(HWND window) {
    return window ? static_cast<Win32StashGrid*>(GetPropW(window, grid_property)) : nullptr;
}

void Win32StashGrid::show_cells(const ui::GridCells& cells) {
    model_.show_cells(cells);
    lines_known_.fill(false);
    redraw();
}

void Win32StashGrid::set_shown_tab(int tab) {
    model_.set_shown_tab(tab);
    show_tab_header();
}

void Win32StashGrid::set_focused_place(int place) {
    model_.set_focused_place(place);
    redraw();
}

void Win32StashGrid::set_highlighted(std::optional<ui::GridPlace> at) {
    model_.set_highlighted(at);
    show_tab_header();
}

void Win32StashGrid::show_tab_header() {
    const int shown = model_.shown_tab();
    if (static_cast<int>(SendMessageW(window_, TCM_GETCURSEL, 0, 0)) != shown) {
        SendMessageW(window_, TCM_SETCURSEL, static_cast<WPARAM>(shown), 0);
        lines_known_.fill(false);
    }
    redraw();
}

void Win32StashGrid::place(int x, int y) {
    const SIZE size = natural_size();
    SetWindowPos(window_, nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    place_tips();
    redraw();
}

void Win32StashGrid::show_texts() {
    for (int tab = 0; tab < ui::grid_tabs; ++tab) {
        std::wstring caption = widen(language::text(tab_captions[tab]));
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(window_, TCM_SETITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
    }
    forget_frame();
    redraw();
}

void Win32StashGrid::fit_to_dpi() {
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(controls_font()), FALSE);
    SendMessageW(tips_, WM_SETFONT, reinterpret_cast<WPARAM>(controls_font()), FALSE);
    SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, scaled(320));
    lines_known_.fill(false);
    forget_frame();
    RECT at{};
    GetWindowRect(window_, &at);
    MapWindowPoints(nullptr, GetParent(window_), reinterpret_cast<POINT*>(&at), 2);
    place(at.left, at.top);
}

LRESULT CALLBACK Win32StashGrid::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                           DWORD_PTR self) {
    auto& grid = *reinterpret_cast<Win32StashGrid*>(self);
    if (grid.window_ != window) return pass_on(window, message, wparam, lparam);
    return grid.handle(message, wparam, lparam);
}

LRESULT Win32StashGrid::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // the paint covers everything, from the memory bitmap
    case WM_PAINT:
    case WM_PRINTCLIENT: {
        if (wparam) {
            paint_into(reinterpret_cast<HDC>(wparam));
            return 0;
        }
        PAINTSTRUCT paint{};
        HDC screen = BeginPaint(window_, &paint);
        paint_into(screen);
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_NCHITTEST:
        // A tab control lets the mouse through its page to what lies below;
        // here the page is the grid's.
        return HTCLIENT;
    case WM_ENABLE:
        redraw();
        break;
    case WM_NCDESTROY:
        unhook_window(window_, &Win32StashGrid::procedure);
        RemovePropW(window_, grid_property);
        break;
    }
    if (const std::optional<LRESULT> taken = take_input(message, wparam, lparam)) return *taken;
    return pass_on(window_, message, wparam, lparam);
}

}  // namespace kistvar::win32
