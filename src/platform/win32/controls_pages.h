// The tab control. Its headers are never shown (the program switches pages
// itself), so it owns no window: it is the set of controls on each page, and
// showing a page shows its controls and hides the other page's.
#pragma once

#include <array>
#include <vector>

#include <windows.h>

#include "ui/controls.h"

namespace kistvar::win32 {

class Win32Pages final : public ui::TabControl {
public:
    static constexpr int page_count = 2;

    void add(int page, HWND control);

    bool disabled() const override { return disabled_; }
    void set_disabled(bool disabled) override;
    std::intptr_t window_handle() const override { return 0; }
    void set_focus() override {}

    int current_page() const override { return current_; }
    void set_current_page(int page) override;  // a page that does not exist changes nothing

private:
    std::array<std::vector<HWND>, page_count> pages_;
    int current_ = 0;
    bool disabled_ = false;
};

}  // namespace kistvar::win32
