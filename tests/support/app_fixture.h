// The box manager on the headless backend, in a fresh temp folder per test:
// program folder, documents folder, the game's save folder and the box folder
// with its MYBOX sub-folder, the window bound to the logic, and a driver.
//
// The save and box folders are the defaults that load settings forms from the
// documents folder, so a start without MYBOX.ini finds them too. Write the
// settings file (or not) before start(): without one the first-run prompt shows.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/app.h"
#include "support/driver.h"
#include "support/box_tag.h"
#include "support/temp_folder.h"

namespace kistvar::test {

struct ListItem {
    std::string title;
    int picture = 0;
    bool operator==(const ListItem&) const = default;
};
void PrintTo(const ListItem& item, std::ostream* out);

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The window built and bound as the program entry would, the created event not yet fired.
    ui::MainWindow& w() { return *window; }

    // Fires the window's created event. The exit code when the program ended
    // there (first-run prompt cancelled), nothing when it went on running.
    std::optional<int> start();
    // Writes MYBOX.ini naming this fixture's save and box folders, with the given
    // in-use marker; every other key missing (so it takes its default).
    void write_standard_settings(std::string_view in_use_marker = "MYBOX 1");
    // Writes MYBOX.ini from UTF-8 text (GB18030 on disk, as the program writes it).
    void write_settings(std::string_view utf8_text);
    std::string settings_bytes() const;  // as on disk, empty when missing
    std::string settings_text() const;   // decoded to UTF-8
    bool settings_exist() const;
    std::string settings_path() const { return program_folder + "\\MYBOX.ini"; }

    // A box file with the given content, in the box folder or in MYBOX.
    void put_saved_box(std::string_view title, std::string_view content = "saved");
    void put_my_box(std::string_view title, std::string_view content = "mine");

    static std::vector<ListItem> items(const ui::ListView& list);
    static std::vector<std::string> titles(const ui::ListView& list);

    TempFolder temp;
    std::string program_folder;    // temp\program
    std::string documents_folder;  // temp\documents, as special_folder(1) reports it less the "\"
    std::string save_folder;       // documents\My Games\Runic Games\Torchlight 2\save
    std::string box_folder;        // save\box
    std::string my_boxes_folder;   // box\MYBOX
    std::string recycle_folder;    // temp\recycle: where deletes go

    std::unique_ptr<ui::MainWindow> window;
    std::unique_ptr<App> app;
    std::unique_ptr<Driver> driver;
};

}  // namespace kistvar::test
