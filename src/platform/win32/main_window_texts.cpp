// Saying everything again in the current language: window title, captions,
// tool-tips, drop-down items, menu items, the status bar's caption and the
// contents window's title and cue. Nothing else changes: the selection of each
// drop-down, the check marks of the menus and what the lists hold stay.
#include "language/language.h"
#include "platform/win32/contents_window.h"
#include "platform/win32/controls_fields.h"
#include "platform/win32/main_window.h"
#include "platform/win32/wide_text.h"
#include "ui/layout.h"

namespace kistvar::win32 {

namespace layout = ui::layout;

namespace {

void set_text(HWND window, language::Text text) { SetWindowTextW(window, widen(language::text(text)).c_str()); }

// The entries come in the order they were appended, so each one's place in
// its menu is counted the way the menu was built.
void show_menu_texts(HMENU top, std::string_view menu_name) {
    std::map<std::string_view, HMENU> sub_menus;
    std::map<HMENU, UINT> next_place;
    for (const auto& entry : layout::menu_items(menu_name)) {
        HMENU menu = entry.submenu.empty() ? top : sub_menus.at(entry.submenu);
        const UINT place = next_place[menu]++;
        if (entry.separator()) continue;
        if (HMENU sub_menu = GetSubMenu(menu, static_cast<int>(place))) sub_menus[entry.name] = sub_menu;
        std::wstring caption = widen(language::text(entry.caption));
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING;
        item.dwTypeData = caption.data();
        SetMenuItemInfoW(menu, place, TRUE, &item);
    }
}

}  // namespace

void Win32MainWindow::show_texts() {
    set_text(window_, layout::window_title);
    for (const auto& [name, control] : captioned_) set_text(control, layout::control(name).caption);

    for (const auto& [name, button] : image_buttons())
        button->set_tool_tip_text(language::text(layout::control(name).caption));

    for (const auto& named : combo_boxes()) dynamic_cast<Win32ComboBox&>(*named.second).show_item_texts();

    for (const auto& [menu, name] : menu_names_) show_menu_texts(menu, name);
    状态条1->set_status_text(0, language::text(layout::status_part0_text));
    dynamic_cast<Win32ContentsWindow&>(*箱子内容).show_texts();
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace kistvar::win32
