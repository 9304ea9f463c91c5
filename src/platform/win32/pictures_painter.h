// A few GDI shapes in one place, for the pictures we draw ourselves. Every
// colour passes through the look, so a disabled face is the same drawing in
// pale grey. Shapes are given at 96 DPI and drawn at the painter's DPI, lines
// and outlines thicker with it, so a picture is sharp at any size.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace kistvar::win32 {

class Painter {
public:
    // `origin` is in device pixels.
    Painter(HDC dc, POINT origin, bool greyed, int dpi = 96)
        : dc_(dc), origin_(origin), greyed_(greyed), dpi_(dpi) {}

    void rectangle(int x, int y, int width, int height, COLORREF fill, COLORREF outline) const;
    void rounded(int x, int y, int width, int height, int radius, COLORREF fill, COLORREF outline) const;
    void ellipse(int x, int y, int width, int height, COLORREF fill, COLORREF outline) const;
    void polygon(const std::vector<POINT>& points, COLORREF fill, COLORREF outline) const;
    void line(const std::vector<POINT>& points, COLORREF colour, int thickness) const;
    // An arc of the circle in the box, counter-clockwise from `from` to `to` (both points on the box).
    void arc(int x, int y, int width, int height, POINT from, POINT to, COLORREF colour, int thickness) const;

private:
    COLORREF tone(COLORREF colour) const;
    int px(int at_96_dpi) const { return MulDiv(at_96_dpi, dpi_, 96); }
    int pen(int thickness) const { return thickness > 1 ? px(thickness) : std::max(1, px(1)); }
    POINT at(POINT point) const { return {origin_.x + px(point.x), origin_.y + px(point.y)}; }

    HDC dc_;
    POINT origin_;
    bool greyed_;
    int dpi_;
};

}  // namespace kistvar::win32
