// The tab control. Its headers are never shown (the program switches pages
// itself), so it owns no window: it is the set of controls on each page, and
// showing a page shows its controls and hides the other page's. A page may be
// made when first needed: its maker runs once, before the page is first shown.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include <windows.h>

#include "ui/controls.h"

namespace kistvar::win32 {

class Win32Pages final : public ui::TabControl {
public:
    static constexpr int page_count = 2;

    void add(int page, HWND control);
    // `maker` makes the page's controls (adding each) when the page is first needed.
    void make_when_needed(int page, std::function<void()> maker);
    // Runs the page's maker, once; a page without one is made already.
    void make(int page);

    bool disabled() const override { return disabled_; }
    void set_disabled(bool disabled) override;
    std::intptr_t window_handle() const override { return 0; }
    void set_focus() override {}

    int current_page() const override { return current_; }
    void set_current_page(int page) override;  // a page that does not exist changes nothing

private:
    std::array<std::vector<HWND>, page_count> pages_;
    std::array<std::function<void()>, page_count> makers_;
    int current_ = 0;
    bool disabled_ = false;
};

}  // namespace kistvar::win32
