// The headless main window: the layout's controls in memory around one
// shared window context.
#pragma once

#include <map>
#include <string>

#include "platform/headless/window_context.h"
#include "ui/main_window.h"

namespace kistvar::headless {

class MainWindow final : public ui::MainWindow {
public:
    MainWindow();
    // Nothing to wait for: the window counts as shown and the call returns.
    void show_and_run() override {
        context.shown = true;
        if (window->on_shown) window->on_shown();
    }
    void show_texts() override;

    WindowContext context;
    // What the window shows in words, by layout name ("" is the window's
    // title, "箱子内容" the contents window's): captions, menu items and each
    // drop-down's items joined by "|".
    std::map<std::string, std::string, std::less<>> texts;
};

}  // namespace kistvar::headless
