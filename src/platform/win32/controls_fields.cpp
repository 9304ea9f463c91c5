#include "platform/win32/controls_fields.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>

#include "language/language.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_hook.h"

namespace kistvar::win32 {

std::string window_text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

std::string Win32EditBox::content() const { return window_ ? window_text(window_) : kept_content_; }

void Win32EditBox::set_content(std::string_view text) {
    if (window_)
        SetWindowTextW(window_, widen(text).c_str());
    else
        kept_content_ = text;
}

void Win32EditBox::take_on_kept_state() {
    if (!kept_content_.empty()) set_content(std::exchange(kept_content_, {}));
}

Win32ComboBox::Win32ComboBox(std::function<void()> make_window, const std::vector<ui::layout::ComboItem>& items)
    : DeferredControl(std::move(make_window)), items_(items) {}

void Win32ComboBox::take_on_kept_state() {
    for (const auto& item : items_) {
        const auto index = SendMessageW(window_, CB_ADDSTRING, 0,
                                        reinterpret_cast<LPARAM>(widen(language::text(item.text)).c_str()));
        SendMessageW(window_, CB_SETITEMDATA, static_cast<WPARAM>(index), item.value);
    }
    set_current_index(kept_index_);
}

void Win32ComboBox::show_item_texts() {
    if (!window_) return;
    const int current = current_index();
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const auto at = static_cast<WPARAM>(i);
        SendMessageW(window_, CB_DELETESTRING, at, 0);
        SendMessageW(window_, CB_INSERTSTRING, at, reinterpret_cast<LPARAM>(widen(language::text(items_[i].text)).c_str()));
        SendMessageW(window_, CB_SETITEMDATA, at, items_[i].value);
    }
    set_current_index(current);
}

int Win32ComboBox::current_index() const {
    if (!window_) return kept_index_;
    const auto index = SendMessageW(window_, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void Win32ComboBox::set_current_index(int index) {
    const int clamped = std::clamp(index, -1, item_count() - 1);
    if (window_)
        SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(clamped), 0);
    else
        kept_index_ = clamped;
}

int Win32ComboBox::item_count() const {
    if (!window_) return static_cast<int>(items_.size());
    return static_cast<int>(SendMessageW(window_, CB_GETCOUNT, 0, 0));
}

int Win32ComboBox::item_value(int index) const {
    if (index < 0 || index >= item_count()) return -1;
    if (!window_) return items_[static_cast<std::size_t>(index)].value;
    return static_cast<int>(SendMessageW(window_, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

GroupBox::GroupBox(HWND window, HBRUSH inside) : TextOnlyWindow(window) {
    SetWindowTheme(window, L"", L"");
    hook_window(window, &GroupBox::paint_inside, reinterpret_cast<DWORD_PTR>(inside));
}

GroupBox::~GroupBox() { unhook_window(window_, &GroupBox::paint_inside); }

LRESULT CALLBACK GroupBox::paint_inside(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                        DWORD_PTR inside) {
    if (message == WM_NCPAINT) return 0;  // no frame: nothing outside the client area to paint
    if (message != WM_ERASEBKGND) return pass_on(window, message, wparam, lparam);
    RECT area{};
    GetClientRect(window, &area);
    FillRect(reinterpret_cast<HDC>(wparam), &area, reinterpret_cast<HBRUSH>(inside));
    return TRUE;
}

bool Win32CheckBox::checked() const {
    if (!window_) return kept_checked_;
    return SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32CheckBox::set_checked(bool checked) {
    if (window_)
        SendMessageW(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    else
        kept_checked_ = checked;
}

}  // namespace kistvar::win32
