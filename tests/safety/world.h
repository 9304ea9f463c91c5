// The world one random sequence runs in: a program folder, two save folders
// and two box folders (each with MYBOX), a folder of files to drop, and the
// box manager on the headless backend. The folders live under one root that
// is reused from sequence to sequence; every file gets a content no other
// file has, so a content tells where a box went.
#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/app.h"
#include "support/driver.h"

namespace kistvar::safety {

using Random = std::mt19937_64;

struct Place {
    std::string program;  // program form: "\" between names
    std::string native;   // as the file system wants it
};

class World {
public:
    World();
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    // Empties the folders and fills them afresh for one sequence.
    void populate(Random& random);
    // A fresh program over the folders (created event fired); the first-run
    // prompt, should it come, is answered OK.
    void start_program();
    // Closes the window (its destroy step runs) and starts a fresh program.
    void restart_program();
    // After every reset of the headless script: the folders, the Recycle Bin
    // and whether the game runs.
    void set_surroundings();

    App& app() { return *app_; }
    ui::MainWindow& w() { return *window_; }
    test::Driver& driver() { return *driver_; }

    // A content no file has had before in this run.
    std::string fresh_content();

    const std::string& root() const { return root_; }
    Place program_folder, save_folders[2], box_folders[2], outside, recycle_bin;
    bool game_running = false;
    std::string settings_path() const { return program_folder.program + "\\MYBOX.ini"; }
    std::string native_of(const std::string& program_path) const;

    // Where the running program keeps things, in native form.
    std::string current_box_folder() const;
    std::string current_my_boxes_folder() const;
    std::string current_stash() const;

private:
    void put(const std::string& native_path, const std::string& content);

    std::string root_;
    std::uint64_t next_content_ = 0;
    std::unique_ptr<ui::MainWindow> window_;
    std::unique_ptr<App> app_;
    std::unique_ptr<test::Driver> driver_;
};

// The four stash file names of the game's versions and modes.
extern const std::vector<std::string> stash_names;

}  // namespace kistvar::safety
