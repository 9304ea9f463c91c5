#include "platform/win32/controls_fields.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>

#include "language/language.h"
#include "platform/win32/wide_text.h"

namespace kistvar::win32 {

std::string window_text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

std::string Win32EditBox::content() const { return window_text(window_); }

void Win32EditBox::set_content(std::string_view text) { SetWindowTextW(window_, widen(text).c_str()); }

Win32ComboBox::Win32ComboBox(HWND combo, const std::vector<ui::layout::ComboItem>& items)
    : NativeControl(combo) {
    for (const auto& item : items) {
        const auto index = SendMessageW(combo, CB_ADDSTRING, 0,
                                        reinterpret_cast<LPARAM>(widen(language::text(item.text)).c_str()));
        SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), item.value);
    }
}

void Win32ComboBox::show_item_texts(const std::vector<ui::layout::ComboItem>& items) {
    const int current = current_index();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto at = static_cast<WPARAM>(i);
        SendMessageW(window_, CB_DELETESTRING, at, 0);
        SendMessageW(window_, CB_INSERTSTRING, at, reinterpret_cast<LPARAM>(widen(language::text(items[i].text)).c_str()));
        SendMessageW(window_, CB_SETITEMDATA, at, items[i].value);
    }
    set_current_index(current);
}

int Win32ComboBox::current_index() const {
    const auto index = SendMessageW(window_, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void Win32ComboBox::set_current_index(int index) {
    const int clamped = std::clamp(index, -1, item_count() - 1);
    SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(clamped), 0);
}

int Win32ComboBox::item_count() const {
    return static_cast<int>(SendMessageW(window_, CB_GETCOUNT, 0, 0));
}

int Win32ComboBox::item_value(int index) const {
    if (index < 0 || index >= item_count()) return -1;
    return static_cast<int>(SendMessageW(window_, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

GroupBox::GroupBox(HWND window, HBRUSH inside) : TextOnlyWindow(window) {
    SetWindowTheme(window, L"", L"");
    SetWindowSubclass(window, &GroupBox::paint_inside, 0, reinterpret_cast<DWORD_PTR>(inside));
}

GroupBox::~GroupBox() { RemoveWindowSubclass(window_, &GroupBox::paint_inside, 0); }

LRESULT CALLBACK GroupBox::paint_inside(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                        DWORD_PTR inside) {
    if (message != WM_ERASEBKGND) return DefSubclassProc(window, message, wparam, lparam);
    RECT area{};
    GetClientRect(window, &area);
    FillRect(reinterpret_cast<HDC>(wparam), &area, reinterpret_cast<HBRUSH>(inside));
    return TRUE;
}

bool Win32CheckBox::checked() const {
    return SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32CheckBox::set_checked(bool checked) {
    SendMessageW(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace kistvar::win32
