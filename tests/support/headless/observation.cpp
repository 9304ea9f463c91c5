#include "support/headless/observation.h"

#include "platform/headless/main_window.h"

namespace kistvar::headless {

bool window_shown(const ui::MainWindow& window) {
    const auto* headless_window = dynamic_cast<const MainWindow*>(&window);
    return headless_window && headless_window->context.shown;
}

const ui::Control* focused_control(const ui::MainWindow& window) {
    const auto* headless_window = dynamic_cast<const MainWindow*>(&window);
    return headless_window ? dynamic_cast<const ui::Control*>(headless_window->context.focused) : nullptr;
}

std::string shown_text(const ui::MainWindow& window, std::string_view name) {
    const auto* headless_window = dynamic_cast<const MainWindow*>(&window);
    if (!headless_window) return {};
    const auto found = headless_window->texts.find(name);
    return found == headless_window->texts.end() ? std::string() : found->second;
}

bool visible(const ui::Control& control) {
    const auto* placement = dynamic_cast<const Placement*>(&control);
    return placement && placement->visible();
}

}  // namespace kistvar::headless
