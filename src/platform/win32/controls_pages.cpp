#include "platform/win32/controls_pages.h"

namespace kistvar::win32 {

void Win32Pages::add(int page, HWND control) {
    pages_.at(static_cast<std::size_t>(page)).push_back(control);
    ShowWindow(control, page == current_ ? SW_SHOWNA : SW_HIDE);
    if (disabled_) EnableWindow(control, FALSE);
}

void Win32Pages::set_disabled(bool disabled) {
    disabled_ = disabled;
    for (const auto& page : pages_)
        for (HWND control : page) EnableWindow(control, !disabled);
}

void Win32Pages::set_current_page(int page) {
    if (page < 0 || page >= page_count) return;
    current_ = page;
    // Hide first, so the two pages never show together, even for one paint.
    for (int other = 0; other < page_count; ++other)
        if (other != page)
            for (HWND control : pages_[static_cast<std::size_t>(other)]) ShowWindow(control, SW_HIDE);
    for (HWND control : pages_[static_cast<std::size_t>(page)]) ShowWindow(control, SW_SHOWNA);
}

}  // namespace kistvar::win32
