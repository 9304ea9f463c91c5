// The one window: every control the logic uses, by its layout name.
// A backend builds it (hidden, every control existing) with create_main_window.
#pragma once

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/contents_window.h"
#include "ui/controls.h"

namespace kistvar::ui {

struct MainWindow {
    virtual ~MainWindow() = default;

    // Shows the window (centred) and runs the event loop until the window has
    // been destroyed. The created event has already run.
    virtual void show_and_run() = 0;

    // Gives every caption, tool-tip, drop-down item, menu item and the contents
    // window's title and cue the words of the current language, keeping what
    // each control holds and shows. The texts the logic sets (the options
    // button's tool-tip, the status bar's second part, the contents window's
    // summary and columns) are the logic's to give again.
    virtual void show_texts() = 0;

    // Controls by their layout names, for a backend that walks the layout.
    // The menu items' places are filled while a backend builds its menus.
    std::vector<std::pair<std::string_view, std::unique_ptr<MenuItem>*>> menu_item_places();
    std::vector<std::pair<std::string_view, ImageButton*>> image_buttons();
    std::vector<std::pair<std::string_view, ComboBox*>> combo_boxes();

    std::unique_ptr<Window> window;
    std::unique_ptr<TabControl> 选择夹1;

    std::unique_ptr<ImageButton> 超级按钮说明;
    std::unique_ptr<ImageButton> 超级按钮高级;
    std::unique_ptr<StatusBar> 状态条1;

    // Page 0: the library.
    std::unique_ptr<ImageButton> 超级按钮新建;
    std::unique_ptr<ImageButton> 超级按钮更换;
    std::unique_ptr<ImageButton> 超级按钮另存;
    std::unique_ptr<ImageButton> 超级按钮删除;
    std::unique_ptr<ImageButton> 超级按钮刷新;
    std::unique_ptr<ImageButton> 超级按钮内容;
    std::unique_ptr<ListView> 超级列表框我的箱子;
    std::unique_ptr<ListView> 超级列表框保存箱子;
    std::unique_ptr<DropTarget> 拖放对象我的箱子;
    std::unique_ptr<DropTarget> 拖放对象保存箱子;

    // Page 1: the options.
    std::unique_ptr<EditBox> 编辑框存档路径;
    std::unique_ptr<PushButton> 按钮选择存档路径;
    std::unique_ptr<EditBox> 编辑框箱子路径;
    std::unique_ptr<PushButton> 按钮选择箱子路径;
    std::unique_ptr<ComboBox> 组合框1;
    std::unique_ptr<ComboBox> 组合框2;
    std::unique_ptr<ComboBox> 组合框3;
    std::unique_ptr<ComboBox> 组合框4;
    std::unique_ptr<ComboBox> 组合框5;  // the language
    std::unique_ptr<CheckBox> 选择框信息;
    std::unique_ptr<PushButton> 按钮保存;
    std::unique_ptr<PushButton> 按钮取消;

    // Pop-up-only menus and their items.
    std::unique_ptr<Menu> 右键菜单;
    std::unique_ptr<MenuItem> 更换;
    std::unique_ptr<MenuItem> 另存为;
    std::unique_ptr<MenuItem> 重命名;
    std::unique_ptr<MenuItem> 删除;
    std::unique_ptr<MenuItem> 查看内容;
    std::unique_ptr<Menu> 无选项右键菜单;
    std::unique_ptr<MenuItem> 小图标;
    std::unique_ptr<MenuItem> 大图标;
    std::unique_ptr<MenuItem> 正向排序;
    std::unique_ptr<MenuItem> 逆向排序;
    std::unique_ptr<MenuItem> 刷新;
    std::unique_ptr<MenuItem> 打开该文件夹;
    std::unique_ptr<MenuItem> 打开备份文件夹;

    // The contents window, a top-level window of its own.
    std::unique_ptr<ContentsWindow> 箱子内容;
};

// Backend-provided: the Win32 window or the in-memory one.
std::unique_ptr<MainWindow> create_main_window();

}  // namespace kistvar::ui
