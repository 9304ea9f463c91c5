// A few GDI shapes in one place, for the pictures we draw ourselves. Every
// colour passes through the look, so a disabled face is the same drawing in
// pale grey.
#pragma once

#include <windows.h>

#include <vector>

namespace kistvar::win32 {

class Painter {
public:
    Painter(HDC dc, POINT origin, bool greyed) : dc_(dc), origin_(origin), greyed_(greyed) {}

    void rectangle(int x, int y, int width, int height, COLORREF fill, COLORREF outline) const;
    void rounded(int x, int y, int width, int height, int radius, COLORREF fill, COLORREF outline) const;
    void ellipse(int x, int y, int width, int height, COLORREF fill, COLORREF outline) const;
    void polygon(const std::vector<POINT>& points, COLORREF fill, COLORREF outline) const;
    void line(const std::vector<POINT>& points, COLORREF colour, int thickness) const;
    // An arc of the circle in the box, counter-clockwise from `from` to `to` (both points on the box).
    void arc(int x, int y, int width, int height, POINT from, POINT to, COLORREF colour, int thickness) const;

private:
    COLORREF tone(COLORREF colour) const;
    POINT at(POINT point) const { return {origin_.x + point.x, origin_.y + point.y}; }

    HDC dc_;
    POINT origin_;
    bool greyed_;
};

}  // namespace kistvar::win32
