#include "ui/main_window.h"

namespace kistvar::ui {

std::vector<std::pair<std::string_view, std::unique_ptr<MenuItem>*>> MainWindow::menu_item_places() {
    return {
        {"更换", &更换},     {"另存为", &另存为},     {"重命名", &重命名},     {"删除", &删除},
        {"查看内容", &查看内容}, {"小图标", &小图标}, {"大图标", &大图标},     {"正向排序", &正向排序},
        {"逆向排序", &逆向排序}, {"刷新", &刷新},     {"打开该文件夹", &打开该文件夹}, {"打开备份文件夹", &打开备份文件夹},
    };
}

std::vector<std::pair<std::string_view, ImageButton*>> MainWindow::image_buttons() {
    return {
        {"超级按钮说明", 超级按钮说明.get()}, {"超级按钮高级", 超级按钮高级.get()}, {"超级按钮新建", 超级按钮新建.get()},
        {"超级按钮更换", 超级按钮更换.get()}, {"超级按钮另存", 超级按钮另存.get()}, {"超级按钮删除", 超级按钮删除.get()},
        {"超级按钮刷新", 超级按钮刷新.get()}, {"超级按钮内容", 超级按钮内容.get()},
    };
}

std::vector<std::pair<std::string_view, ComboBox*>> MainWindow::combo_boxes() {
    return {{"组合框1", 组合框1.get()}, {"组合框2", 组合框2.get()}, {"组合框3", 组合框3.get()},
            {"组合框4", 组合框4.get()}, {"组合框5", 组合框5.get()}};
}

}  // namespace kistvar::ui
