#include "ui/layout.h"

#include <stdexcept>

namespace kistvar::ui::layout {

const std::vector<ControlLayout>& controls() {
    static const std::vector<ControlLayout> all = {
        {"选择夹1", Kind::tab_control, "", -1, 0, 0, 800, 580, ""},
        {"超级按钮说明", Kind::image_button, "", -1, 608, 8, 48, 48, "说明文档"},
        {"超级按钮高级", Kind::image_button, "", -1, 704, 8, 48, 48, "高级选项"},
        {"超级按钮新建", Kind::image_button, "选择夹1", 0, 32, 8, 48, 48, "增加一个我的箱子"},
        {"超级按钮更换", Kind::image_button, "选择夹1", 0, 128, 8, 48, 48, "换个箱子，换个心情"},
        {"超级按钮另存", Kind::image_button, "选择夹1", 0, 224, 8, 48, 48, "将选中的我的箱子另存为"},
        {"超级按钮删除", Kind::image_button, "选择夹1", 0, 320, 8, 48, 48, "删除选中的箱子"},
        {"超级按钮刷新", Kind::image_button, "选择夹1", 0, 416, 8, 48, 48, "刷新文件显示"},
        {"超级按钮内容", Kind::image_button, "选择夹1", 0, 512, 8, 48, 48, "查看箱子内容，查找物品"},
        {"分组框1", Kind::group_box, "选择夹1", 0, 8, 64, 376, 480, "我的箱子"},
        {"超级列表框我的箱子", Kind::list_view, "分组框1", 0, 8, 24, 360, 448, "我的箱子", {}, list_text},
        {"分组框2", Kind::group_box, "选择夹1", 0, 392, 64, 376, 480, "保存箱子"},
        {"超级列表框保存箱子", Kind::list_view, "分组框2", 0, 8, 24, 360, 448, "保存箱子", {}, list_text},
        {"拖放对象我的箱子", Kind::drop_target, "选择夹1", 0, 0, 0, 0, 0, ""},
        {"拖放对象保存箱子", Kind::drop_target, "选择夹1", 0, 0, 0, 0, 0, ""},
        {"分组框3", Kind::group_box, "选择夹1", 1, 80, 168, 616, 280, "高级选项", {}, option_text},
        {"标签2", Kind::label, "分组框3", 1, 40, 40, 64, 24, "存档路径：", {}, option_text},
        {"编辑框存档路径", Kind::edit_box, "分组框3", 1, 104, 40, 400, 24, ""},
        {"按钮选择存档路径", Kind::push_button, "分组框3", 1, 520, 40, 48, 24, "选择"},
        {"标签3", Kind::label, "分组框3", 1, 112, 64, 320, 24, "人物存档文件所在文件夹。Steam版用户请自行更改。", {}, hint_text},
        {"标签1", Kind::label, "分组框3", 1, 40, 104, 64, 24, "箱子路径：", {}, option_text},
        {"编辑框箱子路径", Kind::edit_box, "分组框3", 1, 104, 104, 400, 24, ""},
        {"按钮选择箱子路径", Kind::push_button, "分组框3", 1, 520, 104, 48, 24, "选择"},
        {"标签4", Kind::label, "分组框3", 1, 112, 128, 320, 24, "默认为存档文件夹里 BOX文件夹。可自由更改。", {}, hint_text},
        {"组合框1", Kind::combo_box, "分组框3", 1, 40, 176, 120, 20, "", {{"1.12.X.7 以后", 2}, {"1.11.X.3 以前", 1}}, option_text},
        {"组合框2", Kind::combo_box, "分组框3", 1, 176, 176, 120, 20, "", {{"普通模式", 0}, {"硬核模式", 1}}, option_text},
        {"组合框3", Kind::combo_box, "分组框3", 1, 312, 176, 120, 20, "", {{"小图标", 3}, {"大图标", 0}}, option_text},
        {"组合框4", Kind::combo_box, "分组框3", 1, 448, 176, 120, 20, "", {{"正向排序", 1}, {"逆向排序", 2}}, option_text},
        {"选择框信息", Kind::check_box, "分组框3", 1, 40, 224, 120, 24, "不显示任何信息框"},
        {"按钮保存", Kind::push_button, "分组框3", 1, 384, 224, 80, 32, "保存"},
        {"按钮取消", Kind::push_button, "分组框3", 1, 488, 224, 80, 32, "取消"},
        {"状态条1", Kind::status_bar, "", -1, 0, 580, 800, 20, ""},
    };
    return all;
}

const ControlLayout& control(std::string_view name) {
    for (const auto& placement : controls())
        if (placement.name == name) return placement;
    throw std::out_of_range("no control in the layout by that name");
}

const std::vector<MenuEntry>& menu_items(std::string_view menu_name) {
    static const std::vector<MenuEntry> context_menu = {
        {"更换", "更换", ""}, {"", "-", ""}, {"另存为", "另存为", ""}, {"", "-", ""},
        {"重命名", "重命名", ""}, {"", "-", ""}, {"删除", "删除", ""},
        {"", "-", ""}, {"查看内容", "查看内容", ""},
    };
    static const std::vector<MenuEntry> no_selection_menu = {
        {"查看", "查看", ""}, {"小图标", "小图标", "查看"}, {"大图标", "大图标", "查看"},
        {"排序", "排序", ""}, {"正向排序", "正向排序", "排序"}, {"逆向排序", "逆向排序", "排序"},
        {"", "-", ""}, {"刷新", "刷新", ""}, {"", "-", ""}, {"打开该文件夹", "打开该文件夹", ""},
        {"", "-", ""}, {"打开备份文件夹", "打开备份文件夹", ""},
    };
    static const std::vector<MenuEntry> none;
    if (menu_name == "右键菜单") return context_menu;
    if (menu_name == "无选项右键菜单") return no_selection_menu;
    return none;
}

}  // namespace kistvar::ui::layout
