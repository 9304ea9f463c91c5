#include "ui/layout.h"

#include <stdexcept>

namespace kistvar::ui::layout {

using T = language::Text;

const std::vector<ControlLayout>& controls() {
    static const std::vector<ControlLayout> all = {
        {"选择夹1", Kind::tab_control, "", -1, 0, 0, 800, 580},
        {"超级按钮说明", Kind::image_button, "", -1, 608, 8, 48, 48, T::readme_tip},
        {"超级按钮高级", Kind::image_button, "", -1, 704, 8, 48, 48, T::options_tip},
        {"超级按钮新建", Kind::image_button, "选择夹1", 0, 32, 8, 48, 48, T::new_box_tip},
        {"超级按钮更换", Kind::image_button, "选择夹1", 0, 128, 8, 48, 48, T::swap_tip},
        {"超级按钮另存", Kind::image_button, "选择夹1", 0, 224, 8, 48, 48, T::save_as_tip},
        {"超级按钮删除", Kind::image_button, "选择夹1", 0, 320, 8, 48, 48, T::delete_tip},
        {"超级按钮刷新", Kind::image_button, "选择夹1", 0, 416, 8, 48, 48, T::refresh_tip},
        {"超级按钮内容", Kind::image_button, "选择夹1", 0, 512, 8, 48, 48, T::contents_tip},
        {"分组框1", Kind::group_box, "选择夹1", 0, 8, 64, 376, 480, T::my_boxes},
        {"超级列表框我的箱子", Kind::list_view, "分组框1", 0, 8, 24, 360, 448, T::my_boxes, {}, list_text},
        {"分组框2", Kind::group_box, "选择夹1", 0, 392, 64, 376, 480, T::saved_boxes},
        {"超级列表框保存箱子", Kind::list_view, "分组框2", 0, 8, 24, 360, 448, T::saved_boxes, {}, list_text},
        {"拖放对象我的箱子", Kind::drop_target, "选择夹1", 0, 0, 0, 0, 0},
        {"拖放对象保存箱子", Kind::drop_target, "选择夹1", 0, 0, 0, 0, 0},
        {"分组框3", Kind::group_box, "选择夹1", 1, 80, 168, 616, 280, T::options, {}, option_text},
        {"标签2", Kind::label, "分组框3", 1, 40, 40, 64, 24, T::save_folder_label, {}, option_text},
        {"编辑框存档路径", Kind::edit_box, "分组框3", 1, 104, 40, 400, 24},
        {"按钮选择存档路径", Kind::push_button, "分组框3", 1, 520, 40, 48, 24, T::choose},
        {"标签3", Kind::label, "分组框3", 1, 112, 64, 320, 24, T::save_folder_hint, {}, hint_text},
        {"标签1", Kind::label, "分组框3", 1, 40, 104, 64, 24, T::box_folder_label, {}, option_text},
        {"编辑框箱子路径", Kind::edit_box, "分组框3", 1, 104, 104, 400, 24},
        {"按钮选择箱子路径", Kind::push_button, "分组框3", 1, 520, 104, 48, 24, T::choose},
        {"标签4", Kind::label, "分组框3", 1, 112, 128, 320, 24, T::box_folder_hint, {}, hint_text},
        {"组合框1", Kind::combo_box, "分组框3", 1, 40, 176, 120, 20, T::none, {{T::version_newer, 2}, {T::version_older, 1}}, option_text},
        {"组合框2", Kind::combo_box, "分组框3", 1, 176, 176, 120, 20, T::none, {{T::mode_normal, 0}, {T::mode_hardcore, 1}}, option_text},
        {"组合框3", Kind::combo_box, "分组框3", 1, 312, 176, 120, 20, T::none, {{T::small_icons, 3}, {T::large_icons, 0}}, option_text},
        {"组合框4", Kind::combo_box, "分组框3", 1, 448, 176, 120, 20, T::none, {{T::sort_forward, 1}, {T::sort_reverse, 2}}, option_text},
        {"选择框信息", Kind::check_box, "分组框3", 1, 40, 224, 120, 24, T::quiet},
        {"组合框5", Kind::combo_box, "分组框3", 1, 176, 224, 120, 20, T::none, {{T::chinese, 0}, {T::english, 1}}, option_text},
        {"按钮保存", Kind::push_button, "分组框3", 1, 384, 224, 80, 32, T::save},
        {"按钮取消", Kind::push_button, "分组框3", 1, 488, 224, 80, 32, T::cancel},
        {"状态条1", Kind::status_bar, "", -1, 0, 580, 800, 20},
    };
    return all;
}

const ControlLayout& control(std::string_view name) {
    for (const auto& placement : controls())
        if (placement.name == name) return placement;
    throw std::out_of_range("no control in the layout by that name");
}

const std::vector<MenuEntry>& menu_items(std::string_view menu_name) {
    constexpr MenuEntry separator{};
    static const std::vector<MenuEntry> context_menu = {
        {"更换", T::menu_swap}, separator, {"另存为", T::menu_save_as}, separator,
        {"重命名", T::menu_rename}, separator, {"删除", T::menu_delete},
        separator, {"查看内容", T::menu_contents},
    };
    static const std::vector<MenuEntry> no_selection_menu = {
        {"查看", T::menu_view}, {"小图标", T::small_icons, "查看"}, {"大图标", T::large_icons, "查看"},
        {"排序", T::menu_sort}, {"正向排序", T::sort_forward, "排序"}, {"逆向排序", T::sort_reverse, "排序"},
        separator, {"刷新", T::menu_refresh}, separator, {"打开该文件夹", T::menu_open_folder},
        separator, {"打开备份文件夹", T::menu_open_backups_folder},
    };
    static const std::vector<MenuEntry> none;
    if (menu_name == "右键菜单") return context_menu;
    if (menu_name == "无选项右键菜单") return no_selection_menu;
    return none;
}

}  // namespace kistvar::ui::layout
