#include "platform/win32/pictures_painter.h"

#include <vector>

namespace kistvar::win32 {
namespace {

// Selects a pen and a brush for one shape and restores the old ones after it.
class Tools {
public:
    Tools(HDC dc, COLORREF fill, COLORREF outline, int thickness, bool hollow)
        : dc_(dc),
          pen_(CreatePen(PS_SOLID, thickness, outline)),
          brush_(hollow ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)) : CreateSolidBrush(fill)),
          hollow_(hollow),
          old_pen_(SelectObject(dc, pen_)),
          old_brush_(SelectObject(dc, brush_)) {}
    ~Tools() {
        SelectObject(dc_, old_pen_);
        SelectObject(dc_, old_brush_);
        DeleteObject(pen_);
        if (!hollow_) DeleteObject(brush_);
    }
    Tools(const Tools&) = delete;
    Tools& operator=(const Tools&) = delete;

private:
    HDC dc_;
    HPEN pen_;
    HBRUSH brush_;
    bool hollow_;
    HGDIOBJ old_pen_;
    HGDIOBJ old_brush_;
};

}  // namespace

COLORREF Painter::tone(COLORREF colour) const {
    if (!greyed_) return colour;
    const int grey = (GetRValue(colour) * 30 + GetGValue(colour) * 59 + GetBValue(colour) * 11) / 100;
    const int pale = 128 + grey / 2;  // lighter and flatter than the original
    return RGB(pale, pale, pale);
}

void Painter::rectangle(int x, int y, int width, int height, COLORREF fill, COLORREF outline) const {
    Tools tools(dc_, tone(fill), tone(outline), pen(1), false);
    const POINT from = at({x, y}), to = at({x + width, y + height});
    Rectangle(dc_, from.x, from.y, to.x, to.y);
}

void Painter::rounded(int x, int y, int width, int height, int radius, COLORREF fill,
                      COLORREF outline) const {
    Tools tools(dc_, tone(fill), tone(outline), pen(1), false);
    const POINT from = at({x, y}), to = at({x + width, y + height});
    RoundRect(dc_, from.x, from.y, to.x, to.y, px(radius * 2), px(radius * 2));
}

void Painter::ellipse(int x, int y, int width, int height, COLORREF fill, COLORREF outline) const {
    Tools tools(dc_, tone(fill), tone(outline), pen(1), false);
    const POINT from = at({x, y}), to = at({x + width, y + height});
    Ellipse(dc_, from.x, from.y, to.x, to.y);
}

void Painter::polygon(const std::vector<POINT>& points, COLORREF fill, COLORREF outline) const {
    std::vector<POINT> placed;
    for (POINT point : points) placed.push_back(at(point));
    Tools tools(dc_, tone(fill), tone(outline), pen(1), false);
    Polygon(dc_, placed.data(), static_cast<int>(placed.size()));
}

void Painter::line(const std::vector<POINT>& points, COLORREF colour, int thickness) const {
    std::vector<POINT> placed;
    for (POINT point : points) placed.push_back(at(point));
    Tools tools(dc_, 0, tone(colour), pen(thickness), true);
    Polyline(dc_, placed.data(), static_cast<int>(placed.size()));
}

void Painter::arc(int x, int y, int width, int height, POINT from, POINT to, COLORREF colour,
                  int thickness) const {
    Tools tools(dc_, 0, tone(colour), pen(thickness), true);
    const POINT start = at(from);
    const POINT end = at(to);
    const POINT corner = at({x, y}), far_corner = at({x + width, y + height});
    Arc(dc_, corner.x, corner.y, far_corner.x, far_corner.y, start.x, start.y, end.x, end.y);
}

}  // namespace kistvar::win32
