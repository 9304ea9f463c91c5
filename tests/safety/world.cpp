#include "safety/world.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "language/language.h"
#include "platform/gb18030.h"
#include "settings/settings_procedures.h"
#include "support/headless/script.h"
#include "support/stash_writer.h"

namespace kistvar::safety {

namespace fs = std::filesystem;

const std::vector<std::string> stash_names = {"sharedstash_v2.bin", "sharedstashh_v2.bin", "sharedstash.bin",
                                              "sharedstashh.bin"};

namespace {

// Memory-backed when the machine has it: the atomic writes flush to disk,
// which on a real disk would cost most of the run's time.
fs::path base_folder() {
    std::error_code error;
    if (fs::is_directory("/dev/shm", error)) return "/dev/shm";
    return fs::temp_directory_path();
}

Place place(const std::string& root, const std::string& relative) {
    std::string program = root;
    std::string native = root;
    for (char c : relative) {
        program += c;
        native += c == '\\' ? '/' : c;
    }
    return {program, native};
}

}  // namespace

World::World() {
    root_ = (base_folder() / ("kistvar-safety-" + std::to_string(getpid()))).string();
    program_folder = place(root_, "\\program");
    // The first pair is where the documents-folder defaults point.
    save_folders[0] = place(root_, "\\documents\\My Games\\Runic Games\\Torchlight 2\\save");
    box_folders[0] = place(root_, "\\documents\\My Games\\Runic Games\\Torchlight 2\\save\\box");
    save_folders[1] = place(root_, "\\elsewhere\\save");
    box_folders[1] = place(root_, "\\elsewhere\\boxes");
    outside = place(root_, "\\downloads");
    recycle_bin = place(root_, "\\recycle bin");
}

World::~World() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

// Every box a real stash, each its own, so a box that went astray shows.
std::string World::fresh_content() { return test::stash_holding("box content #" + std::to_string(++next_content_)); }

std::string World::native_of(const std::string& program_path) const {
    std::string native = program_path;
    for (char& c : native)
        if (c == '\\') c = '/';
    return native;
}

void World::put(const std::string& native_path, const std::string& content) {
    std::ofstream(native_path, std::ios::binary) << content;
}

void World::populate(Random& random) {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
    fs::create_directories(program_folder.native);
    fs::create_directories(outside.native);
    fs::create_directories(recycle_bin.native);
    game_running = false;
    for (const Place& save : save_folders) fs::create_directories(save.native);
    for (const Place& box : box_folders) fs::create_directories(box.native + "/MYBOX");

    auto chance = [&random](int percent) { return static_cast<int>(random() % 100) < percent; };
    // The game's own stash files; the one of the default version and mode is
    // there, as on a first run after playing.
    for (const Place& save : save_folders)
        for (const std::string& name : stash_names)
            if ((&save == &save_folders[0] && name == stash_names[0]) || chance(40))
                put(save.native + "/" + name, fresh_content());
    static const char* const titles[] = {"alpha", "beta", "gamma", "delta", "MYBOX 7"};
    for (const Place& box : box_folders)
        for (const char* title : titles) {
            if (chance(40)) put(box.native + "/" + title + ".bin", fresh_content());
            if (chance(40)) put(box.native + "/MYBOX/" + title + ".bin", fresh_content());
        }
    for (const char* name : {"drop one.bin", "alpha.bin", "beta.bin", "notes.txt", "Upper.BIN", "MYBOX 1.bin"})
        put(outside.native + "/" + name, fresh_content());

    put(program_folder.native + "/MYBOX.ini",
        gb18030::from_utf8("[路径]\r\n存档=" + save_folders[0].program + "\r\n箱子=" + box_folders[0].program +
                           "\r\n[状态]\r\n正在使用=MYBOX 1\r\n"));
}

void World::set_surroundings() {
    headless::set_documents_folder(root_ + "\\documents");
    headless::set_recycle_folder(recycle_bin.program);
}

store::Places World::places() const {
    return {paths_[save_folder], paths_[box_folder], stash_file_name_, settings_path(), paths_[in_use_marker]};
}

bool World::load_settings() {
    language::Language language;
    std::string reason;
    if (!read_settings(settings_path(), paths_, language, reason)) return false;
    stash_file_name_ = stash_file_name_for(paths_[version_setting], paths_[mode_setting]);
    return true;
}

void World::start_program() {
    headless::reset();
    set_surroundings();
    paths_.clear();
    for (int attempt = 1; !load_settings(); ++attempt)
        if (attempt == 100) throw std::runtime_error("MYBOX.ini never reads");
    store::make_my_boxes_folder(places());
}

void World::restart_program() {
    store_display_state(settings_path(), paths_);
    start_program();
}

std::string World::current_box_folder() const { return native_of(paths_[box_folder]); }

std::string World::current_my_boxes_folder() const { return current_box_folder() + "/MYBOX"; }

std::string World::current_stash() const {
    return native_of(store::stash_file(places()));
}

}  // namespace kistvar::safety
