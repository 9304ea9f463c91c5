// The program as a player meets it: the real window, built and bound as the
// program entry builds it, started in the folder of this test program (the
// program folder, where MYBOX.ini and 说明.txt live), and driven with real
// mouse, keyboard, menu and drop messages. Every case gets fresh save and box
// folders; MYBOX.ini names them unless the case is a first run.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app.h"
#include "support/driver.h"
#include "support/box_tag.h"
#include "support/temp_folder.h"

namespace kistvar::test {

struct Item {
    std::string title;
    int picture = 0;
    bool operator==(const Item&) const = default;
};
void PrintTo(const Item& item, std::ostream* out);
using Items = std::vector<Item>;

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // MYBOX.ini naming this case's folders and the in-use marker; the other
    // keys missing, so they take their defaults.
    void write_settings(std::string_view in_use_marker = "MYBOX 1");
    std::string stored(std::string_view section, std::string_view key) const;  // "" when missing
    bool settings_exist() const;

    // Before start(): the answer to the next dialog (also those the created step opens).
    void answer_message_box(int result);
    // Builds the window, binds it, fires the created event and puts the window
    // on screen with a driver. The created event must not end the program.
    void start();
    // Closes the window as the player does; the window object stays until TearDown.
    void close();
    // What waits in the queue, handled by the program's own loop step.
    void run_loop();

    ui::MainWindow& w() { return *window; }
    ui::ListView& mine() { return *window->超级列表框我的箱子; }
    ui::ListView& saved() { return *window->超级列表框保存箱子; }

    std::string stash() const { return save_folder + "\\sharedstash_v2.bin"; }
    std::string my_box(std::string_view title) const;
    std::string saved_box(std::string_view title) const;
    void put_stash(std::string_view content) const;
    void put_my_box(std::string_view title, std::string_view content) const;
    void put_saved_box(std::string_view title, std::string_view content) const;

    static Items items(const ui::ListView& list);
    static std::vector<std::string> titles(const ui::ListView& list);
    static int index_of(const ui::ListView& list, std::string_view title);
    // Clicks the item of that title, as the player picks a box.
    void select(ui::ListView& list, std::string_view title);
    std::string status() const { return window->状态条1->status_text(1); }
    std::vector<ShownDialog> shown() { return driver->take_shown_dialogs(); }
    // The message boxes alone, without the pop-up menus.
    std::vector<ShownDialog> shown_messages();

    std::string program_folder;  // the test program's folder
    std::string settings_path;   // program folder\MYBOX.ini
    std::string readme_path;     // program folder\说明.txt
    TempFolder temp;
    std::string save_folder;      // temp\save
    std::string box_folder;       // temp\box
    std::string my_boxes_folder;  // temp\box\MYBOX

    std::unique_ptr<ui::MainWindow> window;
    std::unique_ptr<App> app;
    std::unique_ptr<Driver> driver;
};

// The library most cases start from: my box M in the slot (its content is the
// stash file), my box T, saved box S; the window started.
class SmallLibrary : public EndToEnd {
protected:
    void SetUp() override {
        EndToEnd::SetUp();
        put_stash("content of M");
        put_my_box("T", "content of T");
        put_saved_box("S", "template S");
        write_settings("M");
        start();
    }
};

// A message box's own style: buttons and icon, without the task modality
// that every box of the program adds.
inline int style_of(const ShownDialog& dialog) { return dialog.style & 0xFF; }
inline constexpr int task_modal = 0x2000;

void remove_from_disk(const std::string& path);  // a file or an empty folder

// The documents folder as the program forms its defaults from it (ends in "\").
std::string documents_folder();
std::string default_save_folder();
std::string default_box_folder();

// The whole screen, or one window of it, as a PNG at
// build\screenshots\<name>.png (beside the build folders); false when it
// could not be written.
bool save_screenshot(std::string_view name, HWND only = nullptr);

}  // namespace kistvar::test
