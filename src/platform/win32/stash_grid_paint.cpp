// The grid's picture: the tab control draws its headers and page into a
// memory bitmap, the cells are drawn over the page, and the whole is copied to
// the screen at once, so nothing flickers. Colours are the system's, so the
// grid follows the user's scheme (high contrast included).
#include <map>
#include <string>

#include "platform/win32/controls_base.h"
#include "platform/win32/controls_scale.h"
#include "platform/win32/stash_grid.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_hook.h"
#include "ui/cell_text.h"

namespace kistvar::win32 {

namespace {

constexpr int text_padding = 3;     // between a cell's edge and its words, at 96 DPI
constexpr int cells_margin = 4;     // between the page's edge and the cells
constexpr COLORREF refused_colour = RGB(196, 43, 28);

COLORREF blend(COLORREF base, COLORREF tint, int tint_percent) {
    const auto mix = [&](int a, int b) { return (a * (100 - tint_percent) + b * tint_percent) / 100; };
    return RGB(mix(GetRValue(base), GetRValue(tint)), mix(GetGValue(base), GetGValue(tint)),
               mix(GetBValue(base), GetBValue(tint)));
}

void fill(HDC canvas, const RECT& area, COLORREF colour) {
    SetBkColor(canvas, colour);
    ExtTextOutW(canvas, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

void frame(HDC canvas, RECT area, COLORREF colour, int thickness) {
    for (int ring = 0; ring < thickness; ++ring) {
        fill(canvas, {area.left, area.top, area.right, area.top + 1}, colour);
        fill(canvas, {area.left, area.bottom - 1, area.right, area.bottom}, colour);
        fill(canvas, {area.left, area.top, area.left + 1, area.bottom}, colour);
        fill(canvas, {area.right - 1, area.top, area.right, area.bottom}, colour);
        InflateRect(&area, -1, -1);
    }
}

// The controls' font, bold, at the current DPI: the stack's number.
HFONT bold_controls_font() {
    static std::map<int, HFONT> fonts;
    const int dpi = current_dpi();
    auto found = fonts.find(dpi);
    if (found == fonts.end()) {
        LOGFONTW description{};
        GetObjectW(controls_font(), sizeof description, &description);
        description.lfWeight = FW_BOLD;
        found = fonts.emplace(dpi, CreateFontIndirectW(&description)).first;
    }
    return found->second;
}

}  // namespace

int Win32StashGrid::cell_size() const { return scaled(ui::grid_cell_size); }

HFONT Win32StashGrid::name_font() const { return controls_font(); }

HFONT Win32StashGrid::stack_font() const { return bold_controls_font(); }

SIZE Win32StashGrid::natural_size() const {
    const int cells = cell_size(), margin = scaled(cells_margin);
    RECT outside{0, 0, ui::grid_columns * cells + 1 + 2 * margin, ui::grid_rows * cells + 1 + 2 * margin};
    SendMessageW(window_, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&outside));
    return {outside.right - outside.left, outside.bottom - outside.top};
}

RECT Win32StashGrid::page_rect() const {
    RECT page{};
    GetClientRect(window_, &page);
    SendMessageW(window_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    return page;
}

// The cells sit in the middle of the page; neighbours share their border line.
RECT Win32StashGrid::cell_rect(int place) const {
    const RECT page = page_rect();
    const int size = cell_size();
    const int left = (page.left + page.right - ui::grid_columns * size - 1) / 2;
    const int top = (page.top + page.bottom - ui::grid_rows * size - 1) / 2;
    const int row = (place - 1) / ui::grid_columns, column = (place - 1) % ui::grid_columns;
    return {left + column * size, top + row * size, left + (column + 1) * size + 1, top + (row + 1) * size + 1};
}

RECT Win32StashGrid::header_rect(int tab) const {
    RECT header{};
    SendMessageW(window_, TCM_GETITEMRECT, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&header));
    return header;
}

// What every cell's drawing needs, asked of the window once per picture.
struct Win32StashGrid::CellsLook {
    POINT origin;  // the first cell's top-left corner
    int size;
    bool enabled;
    bool focused;
    int line_height;
    int padding;
};

void Win32StashGrid::paint_into(HDC target) {
    RECT client{};
    GetClientRect(window_, &client);
    HDC canvas = CreateCompatibleDC(target);
    HBITMAP picture = CreateCompatibleBitmap(target, client.right, client.bottom);
    HGDIOBJ old_picture = SelectObject(canvas, picture);
    draw_frame(canvas, client);

    HGDIOBJ old_font = SelectObject(canvas, name_font());
    SetBkMode(canvas, TRANSPARENT);
    TEXTMETRICW metrics{};
    GetTextMetricsW(canvas, &metrics);
    const RECT first = cell_rect(1);
    const CellsLook look{{first.left, first.top}, cell_size(), IsWindowEnabled(window_) != FALSE,
                         GetFocus() == window_, static_cast<int>(metrics.tmHeight), scaled(text_padding)};
    // The lines between the cells in one go; each cell fills its inside.
    fill(canvas,
         {look.origin.x, look.origin.y, look.origin.x + ui::grid_columns * look.size + 1,
          look.origin.y + ui::grid_rows * look.size + 1},
         GetSysColor(COLOR_BTNSHADOW));
    for (int place = 1; place <= ui::grid_places; ++place) draw_cell(canvas, place, look);
    SelectObject(canvas, old_font);

    BitBlt(target, 0, 0, client.right, client.bottom, canvas, 0, 0, SRCCOPY);
    SelectObject(canvas, old_picture);
    DeleteObject(picture);
    DeleteDC(canvas);
}

void Win32StashGrid::forget_frame() {
    if (frame_picture_) DeleteObject(frame_picture_);
    frame_picture_ = nullptr;
}

// The tab control's own picture (headers and page) is slow to draw, and
// changes only with the shown tab, the focus, the enabled state, the size and
// the words: it is drawn once for each and copied after.
void Win32StashGrid::draw_frame(HDC canvas, const RECT& client) {
    const FrameLook look{model_.shown_tab(), GetFocus() == window_, IsWindowEnabled(window_) != FALSE,
                         client.right, client.bottom};
    if (!frame_picture_ || !(look == frame_look_)) {
        forget_frame();
        frame_picture_ = CreateCompatibleBitmap(canvas, client.right, client.bottom);
        HDC drawing = CreateCompatibleDC(canvas);
        HGDIOBJ old = SelectObject(drawing, frame_picture_);
        fill(drawing, client, GetSysColor(COLOR_BTNFACE));
        pass_on(window_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(drawing), PRF_CLIENT);
        SelectObject(drawing, old);
        DeleteDC(drawing);
        frame_look_ = look;
    }
    HDC drawn = CreateCompatibleDC(canvas);
    HGDIOBJ old = SelectObject(drawn, frame_picture_);
    BitBlt(canvas, 0, 0, client.right, client.bottom, drawn, 0, 0, SRCCOPY);
    SelectObject(drawn, old);
    DeleteDC(drawn);
}

void Win32StashGrid::draw_cell(HDC canvas, int place, const CellsLook& look) const {
    const ui::GridPlace at{model_.shown_tab(), place};
    const ui::GridCell& cell = model_.cell(at);
    const bool highlighted = look.enabled && model_.highlighted() == at;
    const int row = (place - 1) / ui::grid_columns, column = (place - 1) % ui::grid_columns;
    const RECT box{look.origin.x + column * look.size, look.origin.y + row * look.size,
                   look.origin.x + (column + 1) * look.size + 1, look.origin.y + (row + 1) * look.size + 1};
    const RECT inside{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};

    const COLORREF window_colour = GetSysColor(COLOR_WINDOW);
    COLORREF background = look.enabled ? window_colour : GetSysColor(COLOR_BTNFACE);
    if (highlighted)
        background = GetSysColor(COLOR_HIGHLIGHT);
    else if (look.enabled && cell.occupied)
        background = blend(window_colour, GetSysColor(COLOR_HIGHLIGHT), 12);
    fill(canvas, inside, background);

    if (cell.occupied) {
        const bool greyed = !look.enabled || model_.dragged() == at;
        SetTextColor(canvas, greyed         ? GetSysColor(COLOR_GRAYTEXT)
                             : highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                           : GetSysColor(COLOR_WINDOWTEXT));
        RECT words = inside;
        InflateRect(&words, -look.padding, -look.padding + 1);
        int top = words.top;
        for (const std::wstring& line : lines_of(canvas, place, look)) {
            ExtTextOutW(canvas, words.left, top, ETO_CLIPPED, &words, line.c_str(), static_cast<UINT>(line.size()),
                        nullptr);
            top += look.line_height;
        }
        if (cell.stack > 1) {
            const std::wstring stack = std::to_wstring(cell.stack);
            HGDIOBJ name = SelectObject(canvas, stack_font());
            DrawTextW(canvas, stack.c_str(), static_cast<int>(stack.size()), &words,
                      DT_RIGHT | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
            SelectObject(canvas, name);
        }
    }

    if (const auto hint = model_.drop_hint(); hint && hint->place == place)
        frame(canvas, box, hint->allowed ? GetSysColor(COLOR_HIGHLIGHT) : refused_colour, scaled(2));
    if (look.focused && model_.focused_place() == place) {
        RECT focus = inside;
        InflateRect(&focus, -scaled(2), -scaled(2));
        SetTextColor(canvas, RGB(0, 0, 0));
        SetBkColor(canvas, RGB(255, 255, 255));
        DrawFocusRect(canvas, &focus);
    }
}

const std::vector<std::wstring>& Win32StashGrid::lines_of(HDC canvas, int place, const CellsLook& look) const {
    const auto index = static_cast<std::size_t>(place - 1);
    if (lines_known_[index]) return lines_[index];
    const ui::GridCell& cell = model_.cell({model_.shown_tab(), place});
    const int room = look.size - 2 - 2 * look.padding;
    int lines = (room + 2) / std::max(1, look.line_height);
    if (cell.stack > 1) --lines;  // the last line holds the stack
    const auto width_of = [&](std::string_view piece) {
        const std::wstring wide = widen(piece);
        SIZE size{};
        GetTextExtentPoint32W(canvas, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    };
    lines_[index].clear();
    for (const std::string& line : ui::cell_lines(cell.name, room, lines, width_of)) lines_[index].push_back(widen(line));
    lines_known_[index] = true;
    return lines_[index];
}

}  // namespace kistvar::win32
