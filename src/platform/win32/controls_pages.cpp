#include "platform/win32/controls_pages.h"

#include <utility>

namespace kistvar::win32 {

void Win32Pages::add(int page, HWND control) {
    pages_.at(static_cast<std::size_t>(page)).push_back(control);
    const bool seen = (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
    if (seen != (page == current_)) ShowWindow(control, page == current_ ? SW_SHOWNA : SW_HIDE);
    if (disabled_) EnableWindow(control, FALSE);
}

void Win32Pages::make_when_needed(int page, std::function<void()> maker) {
    makers_.at(static_cast<std::size_t>(page)) = std::move(maker);
}

void Win32Pages::make(int page) {
    // Taken out before it runs: it runs once, even when what it makes asks for the page.
    if (auto maker = std::exchange(makers_.at(static_cast<std::size_t>(page)), nullptr)) maker();
}

void Win32Pages::set_disabled(bool disabled) {
    for (int page = 0; page < page_count; ++page) make(page);
    disabled_ = disabled;
    for (const auto& page : pages_)
        for (HWND control : page) EnableWindow(control, !disabled);
}

void Win32Pages::set_current_page(int page) {
    if (page < 0 || page >= page_count) return;
    make(page);
    current_ = page;
    // Hide first, so the two pages never show together, even for one paint.
    for (int other = 0; other < page_count; ++other)
        if (other != page)
            for (HWND control : pages_[static_cast<std::size_t>(other)]) ShowWindow(control, SW_HIDE);
    for (HWND control : pages_[static_cast<std::size_t>(page)]) ShowWindow(control, SW_SHOWNA);
}

}  // namespace kistvar::win32
