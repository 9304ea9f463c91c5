// The main window's layout as data: names, kinds, parents, geometry at 96 DPI,
// captions, items and colours. Backends build their controls from it, so the
// two can never disagree on what the window holds.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace kistvar::ui::layout {

constexpr std::string_view window_title = "《火炬之光2》Kistvar  v4.0";
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

struct ComboItem { std::string_view text; int value; };

struct ControlLayout {
    std::string_view name;
    Kind kind;
    std::string_view parent;  // "" for the window; otherwise a control's name
    int page;                 // tab page it lives on; -1 when on the window itself
    int x, y, width, height;  // relative to the parent's client area
    std::string_view caption; // text, or the initial tool-tip of an image button
    std::vector<ComboItem> items = {};
    Rgb text_colour = {0, 0, 0};
};

const std::vector<ControlLayout>& controls();
const ControlLayout& control(std::string_view name);

constexpr int status_part0_width = 80;
constexpr int status_part1_width = 1000;
constexpr int status_height = 20;
constexpr std::string_view status_part0_text = "当前使用箱子：";
constexpr int list_column_width = 339;
constexpr int image_button_size = 48;
constexpr int list_icon_size = 32;
constexpr int group_caption_font_height = 16;

// The contents window: its title, the search box's cue, its list's columns
// (with the box's column first while a search shows), and its first size.
constexpr std::string_view contents_title = "箱子内容";
constexpr std::string_view search_cue = "查找物品";
constexpr std::string_view box_column = "箱子";
constexpr std::string_view item_columns[] = {"物品", "数量", "等级", "位置"};
constexpr int contents_width = 640;
constexpr int contents_height = 480;

// Pop-up menus: items in order; "-" is a separator; `submenu` names a parent item.
struct MenuEntry { std::string_view name; std::string_view caption; std::string_view submenu; };
const std::vector<MenuEntry>& menu_items(std::string_view menu_name);

}  // namespace kistvar::ui::layout
