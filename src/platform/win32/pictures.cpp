#include "platform/win32/pictures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/win32/canvas.h"
#include "platform/win32/pictures_painter.h"
#include "ui/layout.h"

namespace kistvar::win32 {
namespace {

constexpr COLORREF wood = RGB(170, 104, 48);
constexpr COLORREF wood_dark = RGB(96, 56, 24);
constexpr COLORREF lid_wood = RGB(196, 128, 64);
constexpr COLORREF brass = RGB(236, 184, 48);
constexpr COLORREF brass_dark = RGB(150, 104, 16);
constexpr COLORREF ink = RGB(40, 60, 90);
constexpr COLORREF paper = RGB(255, 255, 255);
constexpr COLORREF green = RGB(40, 170, 70);
constexpr COLORREF green_dark = RGB(20, 110, 40);
constexpr COLORREF red = RGB(220, 50, 40);
constexpr COLORREF red_dark = RGB(140, 20, 20);
constexpr COLORREF blue = RGB(40, 120, 220);
constexpr COLORREF blue_dark = RGB(20, 70, 150);
constexpr COLORREF orange = RGB(240, 140, 30);
constexpr COLORREF orange_dark = RGB(160, 80, 10);
constexpr COLORREF steel = RGB(120, 140, 165);
constexpr COLORREF steel_dark = RGB(60, 75, 95);

// A treasure chest filling the box: a rounded lid over a wooden body, brass
// bands and a lock.
void draw_chest(const Painter& p, int x, int y, int width, int height) {
    const int lid = height * 2 / 5;
    p.rounded(x, y, width, lid + 4, width / 6, lid_wood, wood_dark);
    p.rectangle(x, y + lid, width, height - lid, wood, wood_dark);
    const int band = std::max(2, width / 10);
    p.rectangle(x + width / 6, y + 1, band, height - 1, brass, brass_dark);
    p.rectangle(x + width - width / 6 - band, y + 1, band, height - 1, brass, brass_dark);
    const int lock = std::max(4, width / 5);
    p.rectangle(x + (width - lock) / 2, y + lid - lock / 3, lock, lock + lock / 3, brass, brass_dark);
    p.ellipse(x + width / 2 - 1, y + lid + 1, 3, 3, wood_dark, wood_dark);
}

// A round badge with a symbol, in the lower or upper right of a picture.
void draw_badge(const Painter& p, int x, int y, int size, COLORREF fill, COLORREF edge) {
    p.ellipse(x, y, size, size, fill, edge);
}

void draw_plus(const Painter& p, int x, int y, int size) {
    const int arm = size / 2 - 4;
    const int cx = x + size / 2, cy = y + size / 2;
    p.line({{cx - arm, cy}, {cx + arm + 1, cy}}, paper, 3);
    p.line({{cx, cy - arm}, {cx, cy + arm + 1}}, paper, 3);
}

void draw_cross(const Painter& p, int x, int y, int size) {
    const int arm = size / 2 - 5;
    const int cx = x + size / 2, cy = y + size / 2;
    p.line({{cx - arm, cy - arm}, {cx + arm + 1, cy + arm + 1}}, paper, 3);
    p.line({{cx - arm, cy + arm}, {cx + arm + 1, cy - arm - 1}}, paper, 3);
}

void draw_tick(const Painter& p, int x, int y, int size) {
    p.line({{x + size / 4, y + size / 2}, {x + size * 2 / 5, y + size * 7 / 10},
            {x + size * 3 / 4, y + size / 4}},
           paper, 2);
}

// An arrow pointing right (or left when `leftwards`) in the box.
void draw_arrow(const Painter& p, int x, int y, int width, int height, bool leftwards, COLORREF fill,
                COLORREF edge) {
    const int shaft = height / 3;
    const int head = height * 3 / 4;
    const int top = y + (height - shaft) / 2;
    if (!leftwards) {
        p.polygon({{x, top}, {x + width - head, top}, {x + width - head, y}, {x + width, y + height / 2},
                   {x + width - head, y + height}, {x + width - head, top + shaft}, {x, top + shaft}},
                  fill, edge);
    } else {
        p.polygon({{x + width, top}, {x + head, top}, {x + head, y}, {x, y + height / 2},
                   {x + head, y + height}, {x + head, top + shaft}, {x + width, top + shaft}},
                  fill, edge);
    }
}

void draw_down_arrow(const Painter& p, int x, int y, int width, int height, COLORREF fill,
                     COLORREF edge) {
    const int shaft = width / 3;
    const int head = height / 2;
    const int left = x + (width - shaft) / 2;
    p.polygon({{left, y}, {left + shaft, y}, {left + shaft, y + height - head}, {x + width, y + height - head},
               {x + width / 2, y + height}, {x, y + height - head}, {left, y + height - head}},
              fill, edge);
}

void draw_readme(const Painter& p) {
    p.polygon({{10, 4}, {32, 4}, {40, 12}, {40, 44}, {10, 44}}, paper, ink);
    p.polygon({{32, 4}, {32, 12}, {40, 12}}, RGB(210, 225, 240), ink);
    for (int row = 0; row < 5; ++row)
        p.line({{15, 18 + row * 5}, {row == 4 ? 27 : 35, 18 + row * 5}}, steel, 1);
    draw_badge(p, 26, 28, 18, blue, blue_dark);
    p.arc(31, 31, 8, 8, {39, 35}, {31, 35}, paper, 2);  // the question mark's hook
    p.line({{35, 39}, {35, 40}}, paper, 2);
    p.line({{35, 42}, {35, 43}}, paper, 2);
}

void draw_options(const Painter& p) {
    constexpr int teeth = 8;
    std::vector<POINT> outline;
    for (int i = 0; i < teeth * 4; ++i) {
        const double angle = (i - 0.5) * std::numbers::pi * 2 / (teeth * 4);
        const double radius = (i % 4 < 2) ? 20.0 : 15.0;
        outline.push_back({24 + static_cast<LONG>(std::lround(radius * std::cos(angle))),
                           24 + static_cast<LONG>(std::lround(radius * std::sin(angle)))});
    }
    p.polygon(outline, steel, steel_dark);
    p.ellipse(16, 16, 16, 16, RGB(200, 210, 225), steel_dark);
    p.ellipse(20, 20, 8, 8, RGB(230, 250, 255), steel_dark);
}

void draw_refresh(const Painter& p) {
    p.arc(8, 8, 32, 32, {30, 9}, {40, 20}, green, 5);  // nearly all the way round
    p.polygon({{30, 17}, {44, 17}, {42, 4}}, green, green_dark);
}

void draw_swap(const Painter& p) {
    draw_chest(p, 14, 2, 20, 16);
    draw_arrow(p, 4, 20, 40, 12, false, blue, blue_dark);
    draw_arrow(p, 4, 33, 40, 12, true, orange, orange_dark);
}

}  // namespace

void draw_button_picture(HDC dc, POINT origin, ButtonPicture picture, ButtonLook look, int dpi) {
    if (look == ButtonLook::hot || look == ButtonLook::pressed) {
        const Painter frame(dc, origin, false, dpi);
        frame.rounded(0, 0, 48, 48, 6, look == ButtonLook::hot ? RGB(208, 236, 255) : RGB(176, 214, 245),
                      RGB(110, 165, 220));
    }
    const int press = MulDiv(1, dpi, 96);
    const POINT shifted = look == ButtonLook::pressed ? POINT{origin.x + press, origin.y + press} : origin;
    const Painter p(dc, shifted, look == ButtonLook::disabled, dpi);
    switch (picture) {
    case ButtonPicture::readme: draw_readme(p); break;
    case ButtonPicture::options: draw_options(p); break;
    case ButtonPicture::refresh: draw_refresh(p); break;
    case ButtonPicture::swap: draw_swap(p); break;
    case ButtonPicture::new_box:
        draw_chest(p, 3, 14, 34, 28);
        draw_badge(p, 26, 4, 20, green, green_dark);
        draw_plus(p, 26, 4, 20);
        break;
    case ButtonPicture::save_as:
        draw_chest(p, 3, 14, 34, 28);
        draw_badge(p, 26, 4, 20, blue, blue_dark);
        draw_down_arrow(p, 31, 8, 10, 12, paper, paper);
        break;
    case ButtonPicture::delete_box:
        draw_chest(p, 3, 14, 34, 28);
        draw_badge(p, 26, 4, 20, red, red_dark);
        draw_cross(p, 26, 4, 20);
        break;
    case ButtonPicture::contents:  // a magnifying glass over the chest
        draw_chest(p, 3, 14, 34, 28);
        p.line({{38, 19}, {45, 26}}, steel_dark, 4);
        p.ellipse(24, 2, 19, 19, RGB(215, 235, 255), steel_dark);
        p.ellipse(27, 5, 13, 13, RGB(235, 246, 255), blue);
        break;
    }
}

HIMAGELIST create_list_pictures(int dpi) {
    const int size = MulDiv(ui::layout::list_icon_size, dpi, 96);
    constexpr COLORREF see_through = RGB(255, 0, 255);
    HIMAGELIST pictures = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 2, 0);
    HDC canvas = CreateCompatibleDC(nullptr);
    for (bool in_use : {false, true}) {
        HBITMAP image = make_canvas(size, size);
        HGDIOBJ old = SelectObject(canvas, image);
        const RECT all{0, 0, size, size};
        HBRUSH background = CreateSolidBrush(see_through);
        FillRect(canvas, &all, background);
        DeleteObject(background);
        const Painter p(canvas, {0, 0}, false, dpi);
        draw_chest(p, 2, 6, 28, 22);
        if (in_use) {
            draw_badge(p, 17, 0, 15, green, green_dark);
            draw_tick(p, 17, 0, 15);
        }
        SelectObject(canvas, old);
        ImageList_AddMasked(pictures, image, see_through);
        DeleteObject(image);
    }
    DeleteDC(canvas);
    return pictures;
}

}  // namespace kistvar::win32
