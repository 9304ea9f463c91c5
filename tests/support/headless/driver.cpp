// The user's actions on the in-memory window: each goes to the control the
// way the real control would take the mouse, then any menu item chosen from a
// pop-up menu during it runs, as the real window handles the chosen command
// only once the pop-up's caller has returned.
#include "support/driver.h"

#include <utility>

#include "platform/headless/list_view.h"
#include "platform/headless/main_window.h"
#include "support/headless/observation.h"
#include "support/headless/script.h"

namespace kistvar::test {

namespace {

headless::ListView& headless_list(ui::ListView& list) { return dynamic_cast<headless::ListView&>(list); }

class HeadlessDriver final : public Driver {
public:
    explicit HeadlessDriver(ui::MainWindow& window)
        : window_(window), context_(dynamic_cast<headless::MainWindow&>(window).context) {}

    void click(ui::PushButton& button) override {
        if (!button.disabled()) headless::fire(button.on_click);
        run_chosen_menu_item();
    }

    void focus(ui::ListView& list) override {
        list.set_focus();
        run_chosen_menu_item();
    }

    void click_item(ui::ListView& list, int index) override {
        headless_list(list).button_down(index);
        run_chosen_menu_item();
    }

    std::string hover_tip(ui::ListView& list, int index) override {
        if (index < 0 || index >= list.item_count() || !list.on_info_tip) return {};
        return list.on_info_tip(index);
    }

    void double_click_item(ui::ListView& list, int index) override {
        auto& target = headless_list(list);
        target.button_down(index);  // the first click of the two
        if (index >= 0 && index < target.item_count()) headless::fire(target.on_item_double_clicked);
        run_chosen_menu_item();
    }

    void right_click_item(ui::ListView& list, int index) override {
        headless_list(list).button_down(index);
        headless::fire(list.on_right_click);
        run_chosen_menu_item();
    }

    void finish_label_edit(ui::ListView& list, std::optional<std::string> typed) override {
        headless_list(list).end_label_edit(std::move(typed));
        run_chosen_menu_item();
    }

    void drop_files(ui::ListView& list, const std::vector<std::string>& paths) override {
        const auto target = context_.drop_targets.find(list.window_handle());
        if (target == context_.drop_targets.end() || !target->second->on_files_dropped) return;
        target->second->on_files_dropped(dropped_files_text(paths));
        run_chosen_menu_item();
    }

    void close_window() override {
        if (context_.destroyed) return;
        context_.destroyed = true;
        headless::fire(window_.window->on_destroying);
    }

    bool visible(const ui::Control& control) const override { return headless::visible(control); }

    void answer_message_box(int result) override { headless::queue_message_box_answer(result); }
    void answer_input_box(std::optional<std::string> text) override { headless::queue_input_box_answer(std::move(text)); }
    void answer_folder_chooser(std::string path) override { headless::queue_folder_answer(std::move(path)); }
    void answer_popup_menu(ui::MenuItem* item) override { headless::queue_popup_answer(item); }

    std::vector<ShownDialog> take_shown_dialogs() override {
        std::vector<ShownDialog> dialogs;
        for (auto& shown : headless::take_shown())
            dialogs.push_back({static_cast<ShownDialog::Kind>(shown.kind), std::move(shown.text),
                               std::move(shown.caption), shown.style});
        return dialogs;
    }
    int unused_answers() const override { return headless::unused_answers(); }

private:
    // As the shell hands them over: one path as it is, several each ended by CR LF.
    static std::string dropped_files_text(const std::vector<std::string>& paths) {
        if (paths.size() == 1) return paths.front();
        std::string text;
        for (const auto& path : paths) text += path + "\r\n";
        return text;
    }

    void run_chosen_menu_item() {
        while (ui::MenuItem* chosen = std::exchange(context_.chosen_menu_item, nullptr)) headless::fire(chosen->on_chosen);
    }

    ui::MainWindow& window_;
    headless::WindowContext& context_;
};

}  // namespace

std::unique_ptr<Driver> make_driver(ui::MainWindow& window) { return std::make_unique<HeadlessDriver>(window); }

}  // namespace kistvar::test
