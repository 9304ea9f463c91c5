// Acting on the main window as a user would, the same calls on both backends:
// headless acts on the in-memory controls; Win32 sends the real input to the
// real window (under Wine in tests). Dialogs are answered by queueing the
// answer before the action that opens them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/main_window.h"

namespace kistvar::test {

struct ShownDialog {
    enum class Kind { message_box, input_box, folder_chooser, popup_menu, shell_open };
    Kind kind;
    std::string text;     // message text, input prompt, chooser title, menu name, opened path
    std::string caption;  // title bar text (shell_open: the action)
    int style = 0;        // message-box style bits
};

class Driver {
public:
    virtual ~Driver() = default;

    // The window the program entry would build, built and bound by the caller.
    virtual void click(ui::PushButton& button) = 0;  // nothing happens while it is disabled
    virtual void focus(ui::ListView& list) = 0;
    virtual void click_item(ui::ListView& list, int index) = 0;  // -1: empty space
    virtual void double_click_item(ui::ListView& list, int index) = 0;
    // Right button on an item (-1: empty space); the list's own selection
    // change comes first, then the right-click event (which may pop up a menu).
    virtual void right_click_item(ui::ListView& list, int index) = 0;
    // Ends the in-place edit that is open: typed text confirmed with Enter, or
    // nullopt for Escape.
    virtual void finish_label_edit(ui::ListView& list, std::optional<std::string> typed) = 0;
    // Drops shell files on the list (through its registered drop target).
    virtual void drop_files(ui::ListView& list, const std::vector<std::string>& paths) = 0;
    // The info tip the list gives for the item as the mouse rests on it.
    virtual std::string hover_tip(ui::ListView& list, int index) = 0;
    virtual void close_window() = 0;
    // Whether the control itself is shown (its tab page is the current one),
    // whether or not the window has been shown yet.
    virtual bool visible(const ui::Control& control) const = 0;

    // Answers for the next dialogs, in order of opening.
    virtual void answer_message_box(int result) = 0;                  // result_ok, result_cancel
    virtual void answer_input_box(std::optional<std::string> text) = 0;  // nullopt: Cancel
    virtual void answer_folder_chooser(std::string path) = 0;         // empty: Cancel
    // The next pop-up menu: choose this item (nullptr: close the menu).
    virtual void answer_popup_menu(ui::MenuItem* item) = 0;

    // What the program showed since the last call (and clears the record).
    virtual std::vector<ShownDialog> take_shown_dialogs() = 0;
    // Answers that were queued but never asked for (a test should expect none).
    virtual int unused_answers() const = 0;
};

// The backend's driver for a window made by ui::create_main_window().
std::unique_ptr<Driver> make_driver(ui::MainWindow& window);

}  // namespace kistvar::test
