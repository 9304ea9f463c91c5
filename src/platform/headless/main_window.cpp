#include "platform/headless/main_window.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "platform/headless/contents_window.h"
#include "platform/headless/list_view.h"
#include "platform/headless/simple_controls.h"
#include "language/language.h"
#include "ui/layout.h"

namespace kistvar::headless {

namespace {

int page_of(std::string_view name) { return ui::layout::control(name).page; }

int page_count() {
    int last = 0;
    for (const auto& placement : ui::layout::controls()) last = std::max(last, placement.page);
    return last + 1;
}

}  // namespace

MainWindow::MainWindow() {
    auto image_button = [&](std::string_view name) {
        return std::make_unique<ImageButton>(context, page_of(name), language::text(ui::layout::control(name).caption));
    };
    auto push_button = [&](std::string_view name) { return std::make_unique<PushButton>(context, page_of(name)); };
    auto edit_box = [&](std::string_view name) { return std::make_unique<EditBox>(context, page_of(name)); };
    auto combo_box = [&](std::string_view name) {
        return std::make_unique<ComboBox>(context, page_of(name), ui::layout::control(name).items);
    };
    auto list_view = [&](std::string_view name) { return std::make_unique<ListView>(context, page_of(name)); };

    window = std::make_unique<Window>(context);
    选择夹1 = std::make_unique<TabControl>(context, page_count());
    超级按钮说明 = image_button("超级按钮说明");
    超级按钮高级 = image_button("超级按钮高级");
    状态条1 = std::make_unique<StatusBar>(context);

    超级按钮新建 = image_button("超级按钮新建");
    超级按钮更换 = image_button("超级按钮更换");
    超级按钮另存 = image_button("超级按钮另存");
    超级按钮删除 = image_button("超级按钮删除");
    超级按钮刷新 = image_button("超级按钮刷新");
    超级按钮内容 = image_button("超级按钮内容");
    超级列表框我的箱子 = list_view("超级列表框我的箱子");
    超级列表框保存箱子 = list_view("超级列表框保存箱子");
    拖放对象我的箱子 = std::make_unique<DropTarget>(context);
    拖放对象保存箱子 = std::make_unique<DropTarget>(context);

    编辑框存档路径 = edit_box("编辑框存档路径");
    按钮选择存档路径 = push_button("按钮选择存档路径");
    编辑框箱子路径 = edit_box("编辑框箱子路径");
    按钮选择箱子路径 = push_button("按钮选择箱子路径");
    组合框1 = combo_box("组合框1");
    组合框2 = combo_box("组合框2");
    组合框3 = combo_box("组合框3");
    组合框4 = combo_box("组合框4");
    组合框5 = combo_box("组合框5");
    选择框信息 = std::make_unique<CheckBox>(context, page_of("选择框信息"));
    按钮保存 = push_button("按钮保存");
    按钮取消 = push_button("按钮取消");

    const auto menu_items = menu_item_places();
    for (const auto& [name, item] : menu_items) *item = std::make_unique<MenuItem>();
    // A menu offers the items its layout lists (separators and sub-menu headers are not items).
    auto items_of = [&](std::string_view menu_name) {
        std::vector<ui::MenuItem*> items;
        for (const auto& entry : ui::layout::menu_items(menu_name))
            for (const auto& [name, item] : menu_items)
                if (entry.name == name) items.push_back(item->get());
        return items;
    };
    右键菜单 = std::make_unique<Menu>(context, "右键菜单", items_of("右键菜单"));
    无选项右键菜单 = std::make_unique<Menu>(context, "无选项右键菜单", items_of("无选项右键菜单"));
    箱子内容 = std::make_unique<ContentsWindow>();
    show_texts();
}

void MainWindow::show_texts() {
    using language::text;
    texts[""] = text(ui::layout::window_title);
    for (const auto& placement : ui::layout::controls()) {
        if (placement.kind == ui::layout::Kind::combo_box) {
            std::string items;
            for (const auto& item : placement.items) items.append(items.empty() ? "" : "|").append(text(item.text));
            texts[std::string(placement.name)] = items;
        } else {
            texts[std::string(placement.name)] = text(placement.caption);
        }
    }
    for (std::string_view menu : {"右键菜单", "无选项右键菜单"})
        for (const auto& entry : ui::layout::menu_items(menu))
            if (!entry.separator()) texts[std::string(entry.name)] = text(entry.caption);
    texts["箱子内容"] = text(ui::layout::contents_title);
    for (const auto& [name, button] : image_buttons()) button->set_tool_tip_text(texts.at(std::string(name)));
    状态条1->set_status_text(0, text(ui::layout::status_part0_text));
}

}  // namespace kistvar::headless

namespace kistvar::ui {

std::unique_ptr<MainWindow> create_main_window() { return std::make_unique<headless::MainWindow>(); }

}  // namespace kistvar::ui
