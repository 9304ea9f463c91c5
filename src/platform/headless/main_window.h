// The headless main window: the layout's controls in memory around one
// shared window context.
#pragma once

#include "platform/headless/window_context.h"
#include "ui/main_window.h"

namespace kistvar::headless {

class MainWindow final : public ui::MainWindow {
public:
    MainWindow();
    // Nothing to wait for: the window counts as shown and the call returns.
    void show_and_run() override { context.shown = true; }

    WindowContext context;
};

}  // namespace kistvar::headless
