// The world one random sequence runs in: a program folder, two save folders
// and two box folders (each with MYBOX), a folder of files to drop, and what
// the program holds of them: the settings as loaded and the in-use marker.
// The folders live under one root that is reused from sequence to sequence;
// every file gets a content no other file has, so a content tells where a
// box went.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "settings/path_table.h"
#include "store/places.h"

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
    // What a start does on disk: MYBOX.ini is read (again while the read
    // fails, as the player retries) and the box folder gets its MYBOX.
    void start_program();
    // The window's destroy step writes view, sort and the marker; then a start.
    void restart_program();
    // After every reset of the headless backend: the documents folder and the Recycle Bin.
    void set_surroundings();

    // Where the store finds the library now.
    store::Places places() const;
    PathTable& paths() { return paths_; }
    const std::string& marker() const { return paths_[in_use_marker]; }
    void set_marker(const std::string& marker) { paths_[in_use_marker] = marker; }
    // Reads MYBOX.ini into the table as the program's load does; false when it cannot be read.
    bool load_settings();

    // A content no file has had before in this run.
    std::string fresh_content();

    const std::string& root() const { return root_; }
    Place program_folder, save_folders[2], box_folders[2], outside, recycle_bin;
    bool game_running = false;
    std::string settings_path() const { return program_folder.program + "\\MYBOX.ini"; }
    std::string native_of(const std::string& program_path) const;

    // Where the program keeps things now, in native form.
    std::string current_box_folder() const;
    std::string current_my_boxes_folder() const;
    std::string current_stash() const;

private:
    void put(const std::string& native_path, const std::string& content);

    std::string root_;
    std::uint64_t next_content_ = 0;
    PathTable paths_;
    std::string stash_file_name_;
};

// The four stash file names of the game's versions and modes.
extern const std::vector<std::string> stash_names;

}  // namespace kistvar::safety
