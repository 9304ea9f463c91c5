// The status bar along the window's bottom edge: two parts, 80 and 1000
// pixels wide, on a light blue ground.
#pragma once

#include "platform/win32/controls_base.h"
#include "ui/controls.h"

namespace kistvar::win32 {

class Win32StatusBar final : public NativeControl<ui::StatusBar> {
public:
    // Creates the bar on `parent` at the layout's rectangle.
    Win32StatusBar(HWND parent, const ui::layout::ControlLayout& placement, int id);
    ~Win32StatusBar() override;

    std::string status_text(int part) const override;
    void set_status_text(int part, std::string_view text) override;
    // The parts' widths for the current DPI (the bar's place comes with the other controls').
    void fit_to_dpi();

private:
    static LRESULT CALLBACK paint(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                  DWORD_PTR self);
    void paint_parts(HDC dc) const;

    static constexpr int part_count = 2;
};

}  // namespace kistvar::win32
