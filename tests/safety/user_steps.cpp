#include "safety/user_steps.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/native_files.h"
#include "platform/text.h"
#include "settings/settings_procedures.h"
#include "stash/stash_reader.h"
#include "store/box_editing.h"
#include "store/box_titles.h"
#include "store/drop_import.h"
#include "store/stash_slot.h"
#include "store/swap.h"
#include "support/headless/script.h"

namespace kistvar::safety {

namespace fs = std::filesystem;

namespace {

std::string read_native(const std::string& native_path) {
    std::ifstream in(native_path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The titles a list of the folder shows, read around the program.
std::vector<std::string> titles_in(const std::string& native_folder) {
    std::vector<std::string> titles;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(native_folder, error)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file(error) && store::is_box_file_name(name)) titles.push_back(store::title_of_box_file(name));
    }
    std::sort(titles.begin(), titles.end());  // the same choice whatever order the folder gives
    return titles;
}

const char* kind_name(store::BoxKind kind) {
    switch (kind) {
        case store::BoxKind::saved: return "saved box";
        case store::BoxKind::mine: return "my box";
        case store::BoxKind::in_use: return "box in use";
    }
    return "";
}

std::string cell_text(store::Cell cell) {
    static const char* const tabs[] = {"gear", "consumables", "spells", "other"};
    return std::string(tabs[static_cast<int>(cell.tab)]) + " " + std::to_string(cell.place);
}

const char* result_name(store::MoveResult result) {
    static const char* const names[] = {"moved", "stale", "not writable", "versions differ", "no item",
                                        "wrong tab", "tab full", "backup failed", "write failed", "read back differs"};
    return names[static_cast<int>(result)];
}

}  // namespace

StepRecord UserSteps::run_one() {
    static constexpr struct {
        Step step;
        int weight;
    } steps[] = {
        {&UserSteps::swap, 26},   {&UserSteps::save_as, 6},         {&UserSteps::new_box, 5},
        {&UserSteps::rename, 8},  {&UserSteps::delete_box, 7},      {&UserSteps::drop_files, 8},
        {&UserSteps::restart, 4}, {&UserSteps::change_options, 4}, {&UserSteps::game_plays, 8},
        {&UserSteps::move_item, 12}, {&UserSteps::undo_move, 4},
    };
    int total = 0;
    for (const auto& entry : steps) total += entry.weight;
    int pick = below(total);
    Step chosen = steps[0].step;
    for (const auto& entry : steps) {
        if (pick < entry.weight) {
            chosen = entry.step;
            break;
        }
        pick -= entry.weight;
    }
    StepRecord record;
    (this->*chosen)(record);
    return record;
}

// --- Choices ------------------------------------------------------------------

std::optional<UserSteps::Box> UserSteps::some_box() {
    if (chance(8)) return std::nullopt;
    const bool mine = chance(50);
    const store::BoxKind kind = mine ? store::BoxKind::mine : store::BoxKind::saved;
    // Now and then a title whose file went away, as a list may still show it.
    if (chance(5)) return Box{kind, some_name()};
    std::vector<Box> boxes;
    if (mine && world_.marker() != other_box_marker) boxes.push_back({store::BoxKind::in_use, world_.marker()});
    for (std::string& title : titles_in(mine ? world_.current_my_boxes_folder() : world_.current_box_folder()))
        boxes.push_back({kind, std::move(title)});
    if (boxes.empty()) return std::nullopt;
    return boxes[static_cast<std::size_t>(below(static_cast<int>(boxes.size())))];
}

// Names a user might type: free ones, taken ones, one in another letter case,
// the reserved marker, the title of the box in use, and names a file cannot have.
std::string UserSteps::some_name() {
    static const char* const names[] = {"alpha", "beta", "gamma", "delta", "epsilon", "zeta",
                                        "MYBOX 1", "MYBOX 7", "ALPHA", "别的箱子", "", "bad*name",
                                        "con", "a\\b", "新箱子"};
    if (chance(10)) return world_.marker();
    return names[below(static_cast<int>(std::size(names)))];
}

// Any file of the world but the settings and the readme: the library's own
// boxes, the stash files, files from elsewhere (some not ending in ".bin").
std::string UserSteps::some_drop_source() {
    std::vector<std::string> candidates;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(world_.root(), error); it != fs::recursive_directory_iterator();
         it.increment(error)) {
        if (error) break;
        std::string path = it->path().string();
        if (path.rfind(world_.program_folder.native, 0) == 0) continue;
        if (it->is_regular_file(error)) candidates.push_back(path);
    }
    std::sort(candidates.begin(), candidates.end());
    if (candidates.empty()) return world_.outside.native + "/none.bin";
    // A few sources that do not exist, as when a file goes away mid-drag.
    if (chance(5)) return world_.outside.native + "/vanished.bin";
    return candidates[static_cast<std::size_t>(below(static_cast<int>(candidates.size())))];
}

std::string UserSteps::native_file_of(const Box& box) const {
    return world_.native_of(store::box_file(world_.places(), box.kind, box.title));
}

store::ViewedBox UserSteps::viewed(const Box& box) {
    store::ViewedBox view{store::box_file(world_.places(), box.kind, box.title), box.title, {}};
    // Read around the fault seam: the window read the box before this step.
    native::DirectoryEntry entry;
    if (const std::intptr_t search = native::find_first(view.path, entry)) {
        native::find_close(search);
        view.seen = {entry.size, entry.last_write};
    }
    if (chance(10)) ++view.seen.size;  // another program wrote it since
    return view;
}

bool UserSteps::let_write(const std::vector<std::string>& program_paths, StepRecord& record) {
    const std::string slot = world_.current_stash();
    const bool into_slot = std::any_of(program_paths.begin(), program_paths.end(),
                                       [&](const std::string& path) { return world_.native_of(path) == slot; });
    if (!into_slot || !world_.game_running || chance(60)) return true;
    record.description += ", cancelled while the game runs";
    return false;
}

void UserSteps::note_items(const std::vector<std::string>& program_paths, StepRecord& record) const {
    StepRecord::ItemsMoved moved;
    for (const std::string& path : program_paths) moved.boxes.insert(world_.native_of(path));
    for (const std::string& native : moved.boxes) {
        record.released_paths.insert(native);  // saved boxes too: the player asked for the change
        for (const stash::Item& item : stash::read_stash(read_native(native)).items) moved.items.insert(item.name);
    }
    record.items_moved = std::move(moved);
}

void UserSteps::note_outcome(const store::MoveOutcome& outcome, StepRecord& record) {
    record.description += std::string(": ") + result_name(outcome.result);
    record.items_moved->settled = outcome.restored;
    if (!outcome.moved() && outcome.restored) return;
    for (const std::string& native : record.items_moved->boxes) {
        std::error_code error;
        if (!fs::is_regular_file(native, error)) continue;
        const std::string content = read_native(native);
        // Boxes a move emptied are all alike, and the items of a box saved as
        // another are in both: what a move writes may rightly be found twice.
        record.copied_contents.insert(content);
        // The player let the write into the slot go ahead while the game
        // runs: its next save may overwrite it.
        if (game_slot_ && native == *game_slot_) game_states_.insert(content);
    }
}

void UserSteps::reload_settings() {
    const std::string stash_before = store::stash_file(world_.places());
    world_.load_settings();
    if (std::optional<store::Outcome> named = store::name_box_in_slot(world_.places(), stash_before))
        world_.set_marker(named->title);
}

// --- Steps ------------------------------------------------------------------------

// What the window lets through: never the box in use, never a my box titled
// like the saved-box state; while the game runs the player may cancel.
void UserSteps::swap(StepRecord& record) {
    const std::optional<Box> box = some_box();
    if (!box) {
        record.description = "swap with nothing selected";
        return;
    }
    record.description = std::string("swap in ") + kind_name(box->kind) + " \"" + box->title + "\"";
    if (box->kind == store::BoxKind::in_use) return;
    const bool mine = box->kind == store::BoxKind::mine;
    if (mine && store::is_reserved_title(box->title)) return;
    if (world_.game_running && !chance(60)) {
        record.description += ", cancelled while the game runs";
        return;
    }
    world_.set_marker(store::swap(world_.places(), box->title, mine).marker);
}

// The window asks for a name until it is usable and free, or the player cancels.
void UserSteps::save_as(StepRecord& record) {
    const std::optional<Box> box = some_box();
    const std::string name = some_name();
    record.description = "save " + (box ? "\"" + box->title + "\"" : std::string("nothing")) + " as \"" + name + "\"";
    if (!box || !store::box_name_problem(name).empty() || store::saved_box_exists(world_.places(), name)) return;
    store::save_as(world_.places(), box->kind, box->title, name);
}

void UserSteps::new_box(StepRecord& record) {
    // A few moments only, so that two boxes of the same second happen.
    headless::set_current_time({2012, 10, 23, 9, below(2), below(2) * 7});
    record.description = "new box";
    store::new_box(world_.places());
    // Every new box starts as the same empty stash; the player fills it at
    // once, so that it too has a content of its own.
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(world_.current_my_boxes_folder(), error)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        in.close();
        if (content.size() == 17 && content.compare(0, 4, std::string("B\0\0\0", 4)) == 0)
            std::ofstream(entry.path(), std::ios::binary | std::ios::trunc) << world_.fresh_content();
    }
}

void UserSteps::rename(StepRecord& record) {
    const std::optional<Box> box = some_box();
    std::optional<std::string> typed;
    if (chance(80)) typed = some_name();
    record.description = "rename " + (box ? std::string(kind_name(box->kind)) + " \"" + box->title + "\"" : "nothing") +
                         " to " + (typed ? "\"" + *typed + "\"" : "(cancelled)");
    if (!box) return;
    const std::string new_title = typed.value_or(box->title);
    switch (box->kind) {
        case store::BoxKind::saved:
            record.renamed_saved_paths.insert(native_file_of(*box));
            store::rename_saved_box(world_.places(), box->title, new_title);
            return;
        case store::BoxKind::mine: store::rename_my_box(world_.places(), box->title, new_title); return;
        case store::BoxKind::in_use:
            if (store::Outcome outcome = store::rename_box_in_use(world_.places(), box->title, new_title); outcome.done())
                world_.set_marker(outcome.title);
            return;
    }
}

void UserSteps::delete_box(StepRecord& record) {
    const std::optional<Box> box = some_box();
    record.description = "delete " + (box ? std::string(kind_name(box->kind)) + " \"" + box->title + "\"" : "nothing");
    if (!box || box->kind == store::BoxKind::in_use) return;
    if (!chance(60)) {
        record.description += ", cancelled";
        return;
    }
    record.released_paths.insert(native_file_of(*box));
    store::delete_box(world_.places(), box->kind, box->title);
}

void UserSteps::drop_files(StepRecord& record) {
    const bool mine = chance(50);
    std::vector<std::string> native_sources = {some_drop_source()};
    if (chance(10)) native_sources.push_back(some_drop_source());

    // The program's form of the paths: the world's root, then "\" between
    // names; several each end in "\r\n", as the shell gives them.
    std::string dropped;
    record.description = std::string("drop onto ") + (mine ? "my boxes:" : "saved boxes:");
    for (const std::string& native : native_sources) {
        std::string program = world_.root() + native.substr(world_.root().size());
        for (std::size_t i = world_.root().size(); i < program.size(); ++i)
            if (program[i] == '/') program[i] = '\\';
        dropped += native_sources.size() == 1 ? program : program + "\r\n";
        record.description += " " + native.substr(world_.root().size());
        record.copied_contents.insert(read_native(native));
    }
    const store::Drop drop = store::read_drop(world_.places(), mine, dropped);
    if (drop.result != store::DropResult::importable) return;
    const bool replacing = store::destination_taken(drop);
    if (replacing) {
        if (!chance(60)) {
            record.description += ", replacing cancelled";
            return;
        }
        record.released_paths.insert(world_.native_of(drop.destination));
    }
    store::import_box(world_.places(), drop, replacing);
}

// The options page: it reads the settings when it opens; Save keeps the box
// in the slot the new settings leave behind and stores them, or stays when
// the box folder is the save folder; both read the settings again.
void UserSteps::change_options(StepRecord& record) {
    reload_settings();
    const int save = below(2), box = below(2), version = below(2), mode = below(2);
    const std::string& save_path = world_.save_folders[save].program;
    const std::string box_path = chance(5) ? world_.root() + "\\no such folder" : world_.box_folders[box].program;
    const bool save_them = chance(80);
    record.description = std::string("options: ") + (save_them ? "save" : "cancel") + " save folder " +
                         std::to_string(save) + ", box folder " + box_path.substr(world_.root().size()) +
                         ", version " + std::to_string(version) + ", mode " + std::to_string(mode);
    if (save_them) {
        if (store::same_folder(box_path, save_path)) return;
        const std::string next_stash = save_path + "\\" + stash_file_name_for(to_text(version), to_text(mode));
        const std::optional<store::Outcome> named = store::name_box_in_slot(world_.places(), next_stash);
        if (named && named->done()) world_.set_marker(named->title);
        if (!named || named->done()) {
            namespace keys = setting_keys;
            const std::string file = world_.settings_path();
            write_setting_key(file, keys::save_folder, save_path);
            write_setting_key(file, keys::box_folder, box_path);
            write_setting_key(file, keys::version, to_text(version));
            write_setting_key(file, keys::mode, to_text(mode));
        }
    }
    reload_settings();
}

void UserSteps::restart(StepRecord& record) {
    record.description = "close and start the program again";
    moves_.clear();  // undo reaches back within one run
    world_.restart_program();
}

// The game: started, at the title screen, with a character loaded, quit. A
// loaded character keeps the stash in memory, with the player's progress, and
// every save point writes it over the slot it was loaded from, whatever
// another program put there meanwhile. Only the game's own earlier states of
// that stash are let go by such a write: a box swapped in since must survive
// elsewhere (its backup).
void UserSteps::game_plays(StepRecord& record) {
    if (!world_.game_running) {
        record.description = "the game starts";
        world_.game_running = true;
    } else if (!game_slot_) {
        if (chance(25)) {
            record.description = "the game quits from the title screen";
            world_.game_running = false;
        } else {
            record.description = "the game loads a character";
            game_slot_ = world_.current_stash();
            game_states_.clear();
            std::error_code error;
            if (fs::is_regular_file(*game_slot_, error)) game_states_.insert(read_native(*game_slot_));
        }
    } else {
        const bool leaving = chance(30);
        record.description = leaving ? "the game saves and leaves to the title screen" : "the game saves";
        std::error_code error;
        if (fs::is_regular_file(*game_slot_, error) && game_states_.count(read_native(*game_slot_)))
            record.released_contents.insert(read_native(*game_slot_));
        const std::string content = world_.fresh_content();
        std::ofstream(*game_slot_, std::ios::binary | std::ios::trunc) << content;
        game_states_.insert(content);
        ++record.game_writes;
        if (leaving) game_slot_.reset();
    }
}

// The contents window: an item dragged onto a cell of the other grid or of
// its own (now and then a cell of another tab), or sent to the other side,
// between any two boxes the player picks; mostly an item the box holds, now
// and then an empty cell.
void UserSteps::move_item(StepRecord& record) {
    const std::optional<Box> from_box = some_box();
    const std::optional<Box> to_box = chance(20) ? from_box : some_box();
    if (!from_box || !to_box) {
        record.description = "move an item with no box shown";
        return;
    }
    const store::ViewedBox source = viewed(*from_box), target = viewed(*to_box);
    store::Cell from{stash::Tab::gear, 1 + below(2)};
    const stash::Contents shown = stash::read_stash(read_native(world_.native_of(source.path)));
    if (!shown.items.empty() && chance(90)) {
        const stash::Item& item = shown.items[static_cast<std::size_t>(below(static_cast<int>(shown.items.size())))];
        from = {item.tab, item.place};
    }
    std::optional<store::Cell> to;
    if (chance(70)) to = store::Cell{chance(95) ? from.tab : stash::Tab::spells, 1 + below(3)};
    record.description = "move the item at " + cell_text(from) + " of \"" + source.title + "\" to " +
                         (to ? cell_text(*to) : "the other side") + " of \"" + target.title + "\"";
    if (!let_write({source.path, target.path}, record)) return;
    note_items({source.path, target.path}, record);
    const store::MoveOutcome outcome = store::move_item(world_.places(), source, from, target, to);
    note_outcome(outcome, record);
    if (!outcome.moved()) return;
    moves_.push_back(outcome.record);
    if (moves_.size() > 100) moves_.erase(moves_.begin());
}

// Ctrl+Z in the contents window: the last move taken back.
void UserSteps::undo_move(StepRecord& record) {
    if (moves_.empty()) {
        record.description = "undo with no move left";
        return;
    }
    const store::MoveRecord move = moves_.back();
    record.description = "undo the move from \"" + move.source.title + "\" to \"" + move.target.title + "\"";
    if (!let_write({move.source.path, move.target.path}, record)) return;
    moves_.pop_back();
    note_items({move.source.path, move.target.path}, record);
    note_outcome(store::undo_move(world_.places(), move), record);
}

}  // namespace kistvar::safety
