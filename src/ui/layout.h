// The main window's layout as data: names, kinds, parents, geometry at 96 DPI,
// captions, items and colours. Backends build their controls from it, so the
// two can never disagree on what the window holds.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "language/text_id.h"

namespace kistvar::ui::layout {

constexpr language::Text window_title = language::Text::window_title;
constexpr int client_width = 800;
constexpr int client_height = 600;

struct Rgb { std::uint8_t r, g, b; };
constexpr Rgb window_background{230, 250, 255};
constexpr Rgb list_background{245, 250, 255};
constexpr Rgb list_text{0, 96, 192};
constexpr Rgb option_text{0, 96, 192};
constexpr Rgb hint_text{255, 0, 0};
constexpr Rgb status_background{222, 240, 255};

enum class Kind { tab_control, image_button, group_box, list_view, drop_target, label, edit_box,
                  push_button, combo_box, check_box, status_bar };

struct ComboItem { language::Text text; int value; };

struct ControlLayout {
    std::string_view name;
    Kind kind;
    std::string_view parent;  // "" for the window; otherwise a control's name
    int page;                 // tab page it lives on; -1 when on the window itself
    int x, y, width, height;  // relative to the parent's client area
    language::Text caption = language::Text::none;  // text, or the initial tool-tip of an image button
    std::vector<ComboItem> items = {};
    Rgb text_colour = {0, 0, 0};
};

const std::vector<ControlLayout>& controls();
const ControlLayout& control(std::string_view name);

constexpr int status_part0_width = 80;
constexpr int status_part1_width = 1000;
constexpr int status_height = 20;
constexpr language::Text status_part0_text = language::Text::status_in_use;
constexpr int list_column_width = 339;
constexpr int image_button_size = 48;
constexpr int list_icon_size = 32;
constexpr int group_caption_font_height = 16;

// The contents window: its title, the search box's cue, its list's columns
// (with the box's column first while a search shows), and its first size.
constexpr language::Text contents_title = language::Text::contents_title;
constexpr language::Text search_cue = language::Text::search_cue;
constexpr language::Text box_column = language::Text::column_box;
constexpr language::Text item_columns[] = {language::Text::column_item, language::Text::column_stack,
                                           language::Text::column_level, language::Text::column_place};
constexpr int contents_width = 640;  // at least; wider to hold the two grids
constexpr int contents_height = 480;
constexpr int contents_list_rows = 180;  // the list's height at first, below the grids

// Pop-up menus: items in order; an entry without a name is a separator;
// `submenu` names a parent item.
struct MenuEntry {
    std::string_view name;
    language::Text caption = language::Text::none;
    std::string_view submenu = {};
    bool separator() const { return name.empty(); }
};
const std::vector<MenuEntry>& menu_items(std::string_view menu_name);

}  // namespace kistvar::ui::layout
