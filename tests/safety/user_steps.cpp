#include "safety/user_steps.h"

#include <filesystem>
#include <fstream>

#include "library/messages.h"
#include "platform/dialogs.h"
#include "support/headless/script.h"

namespace kistvar::safety {

namespace fs = std::filesystem;

namespace {

std::string file_name_of(const std::string& native_path) {
    return native_path.substr(native_path.rfind('/') + 1);
}

std::string read_native(const std::string& native_path) {
    std::ifstream in(native_path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool ends_in_lower_case_bin(const std::string& name) {
    return name.size() >= 4 && name.compare(name.size() - 4, 4, ".bin") == 0;
}

}  // namespace

StepRecord UserSteps::run_one() {
    static constexpr struct {
        Step step;
        int weight;
    } steps[] = {
        {&UserSteps::select_in_a_list, 14}, {&UserSteps::swap_by_button, 12}, {&UserSteps::swap_by_menu, 6},
        {&UserSteps::double_click, 8},      {&UserSteps::save_as, 6},         {&UserSteps::new_box, 5},
        {&UserSteps::rename, 8},            {&UserSteps::delete_box, 7},      {&UserSteps::drop_files, 8},
        {&UserSteps::change_options, 4},    {&UserSteps::refresh, 6},         {&UserSteps::view_or_sort, 3},
        {&UserSteps::restart, 4},           {&UserSteps::game_plays, 8},
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
    queue_answers();
    // A start that took the settings file for missing opened the options
    // page; the user goes back to the library first.
    if (world_.w().选择夹1->current_page() != 0) world_.driver().click(*world_.w().超级按钮高级);
    (this->*chosen)(record);
    note_confirmations(record);
    return record;
}

// --- Choices ------------------------------------------------------------------

ui::ListView& UserSteps::some_list() {
    return chance(50) ? *world_.w().超级列表框我的箱子 : *world_.w().超级列表框保存箱子;
}

int UserSteps::some_item(const ui::ListView& list) {
    if (list.item_count() == 0 || chance(8)) return -1;
    return below(list.item_count());
}

// Names a user might type: free ones, taken ones, one in another letter case,
// the reserved marker, the title of the box in use, and names a file cannot have.
std::string UserSteps::some_name() {
    static const char* const names[] = {"alpha", "beta", "gamma", "delta", "epsilon", "zeta",
                                        "MYBOX 1", "MYBOX 7", "ALPHA", "别的箱子", "", "bad*name",
                                        "con", "a\\b", "新箱子"};
    if (chance(10)) return world_.app().state.paths[in_use_marker];
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
    if (candidates.empty()) return world_.outside.native + "/none.bin";
    // A few sources that do not exist, as when a file goes away mid-drag.
    if (chance(5)) return world_.outside.native + "/vanished.bin";
    return candidates[static_cast<std::size_t>(below(static_cast<int>(candidates.size())))];
}

// --- Dialog answers ---------------------------------------------------------------

void UserSteps::queue_answers() {
    message_answers_.clear();
    pending_releases_.clear();
    for (int i = 0; i < 6; ++i) {
        int answer = chance(60) ? result_ok : result_cancel;
        message_answers_.push_back(answer);
        world_.driver().answer_message_box(answer);
    }
    for (int i = 0; i < 4; ++i) world_.driver().answer_input_box(chance(15) ? std::nullopt : std::optional(some_name()));
}

void UserSteps::release_on_confirm(const std::string& question_text, const std::string& native_path) {
    pending_releases_.emplace_back(question_text, native_path);
}

// The n-th message box took the n-th queued answer; past the queue, OK.
void UserSteps::note_confirmations(StepRecord& record) {
    record.dialogs = world_.driver().take_shown_dialogs();
    std::size_t message_number = 0;
    for (const test::ShownDialog& dialog : record.dialogs) {
        if (dialog.kind != test::ShownDialog::Kind::message_box) continue;
        int answer = message_number < message_answers_.size() ? message_answers_[message_number] : result_ok;
        ++message_number;
        if (answer != result_ok) continue;
        for (const auto& [question, path] : pending_releases_)
            if (dialog.text == question) record.released_paths.insert(path);
    }
    // The queues start empty for the next step.
    headless::reset();
    world_.set_surroundings();
}

// --- Steps ------------------------------------------------------------------------

void UserSteps::select_in_a_list(StepRecord& record) {
    ui::ListView& list = some_list();
    int item = some_item(list);
    record.description = "click item " + std::to_string(item) + " of " +
                         (&list == world_.w().超级列表框我的箱子.get() ? "my boxes" : "saved boxes");
    world_.driver().click_item(list, item);
}

void UserSteps::swap_by_button(StepRecord& record) {
    record.description = "click 超级按钮更换";
    world_.driver().click(*world_.w().超级按钮更换);
}

void UserSteps::swap_by_menu(StepRecord& record) {
    ui::ListView& list = some_list();
    int item = some_item(list);
    record.description = "menu 更换 on item " + std::to_string(item);
    world_.driver().answer_popup_menu(world_.w().更换.get());
    world_.driver().right_click_item(list, item);
}

void UserSteps::double_click(StepRecord& record) {
    ui::ListView& list = some_list();
    int item = some_item(list);
    record.description = "double-click item " + std::to_string(item) + " of " +
                         (&list == world_.w().超级列表框我的箱子.get() ? "my boxes" : "saved boxes");
    world_.driver().double_click_item(list, item);
}

void UserSteps::save_as(StepRecord& record) {
    if (chance(50)) {
        record.description = "click 超级按钮另存";
        world_.driver().click(*world_.w().超级按钮另存);
    } else {
        ui::ListView& list = some_list();
        record.description = "menu 另存为";
        world_.driver().answer_popup_menu(world_.w().另存为.get());
        world_.driver().right_click_item(list, some_item(list));
    }
}

void UserSteps::new_box(StepRecord& record) {
    // A few moments only, so that two boxes of the same second happen.
    headless::set_current_time({2012, 10, 23, 9, below(2), below(2) * 7});
    record.description = "click 超级按钮新建";
    world_.driver().click(*world_.w().超级按钮新建);
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
    ui::ListView& list = some_list();
    const bool saved = &list == world_.w().超级列表框保存箱子.get();
    int item = some_item(list);
    std::optional<std::string> typed;
    if (chance(80)) typed = some_name();
    record.description = "rename item " + std::to_string(item) + " of " + (saved ? "saved boxes" : "my boxes") +
                         " to " + (typed ? "\"" + *typed + "\"" : "(cancelled)");
    if (saved && item >= 0)
        record.renamed_saved_paths.insert(world_.current_box_folder() + "/" + list.get_item_title(item) + ".bin");
    world_.driver().answer_popup_menu(world_.w().重命名.get());
    world_.driver().right_click_item(list, item);
    world_.driver().finish_label_edit(list, typed);
}

void UserSteps::delete_box(StepRecord& record) {
    const bool by_menu = chance(50);
    ui::ListView* list = world_.app().state.current_list;
    int item = list ? list->selected_item() : -1;
    if (by_menu) {
        list = &some_list();
        item = some_item(*list);
    }
    if (list && item >= 0) {
        const bool mine = list == world_.w().超级列表框我的箱子.get();
        const std::string title = list->get_item_title(item);
        const std::string folder = mine ? world_.current_my_boxes_folder() : world_.current_box_folder();
        release_on_confirm(messages::delete_question(title).text, folder + "/" + title + ".bin");
    }
    if (by_menu) {
        record.description = "menu 删除 on item " + std::to_string(item);
        world_.driver().answer_popup_menu(world_.w().删除.get());
        world_.driver().right_click_item(*list, item);
    } else {
        record.description = "click 超级按钮删除";
        world_.driver().click(*world_.w().超级按钮删除);
    }
}

void UserSteps::drop_files(StepRecord& record) {
    ui::ListView& list = some_list();
    const bool mine = &list == world_.w().超级列表框我的箱子.get();
    std::vector<std::string> native_sources = {some_drop_source()};
    if (chance(10)) native_sources.push_back(some_drop_source());

    std::vector<std::string> sources;
    record.description = std::string("drop onto ") + (mine ? "my boxes:" : "saved boxes:");
    for (const std::string& native : native_sources) {
        // The program's form of the path: the world's root, then "\" between names.
        std::string program = world_.root() + native.substr(world_.root().size());
        for (std::size_t i = world_.root().size(); i < program.size(); ++i)
            if (program[i] == '/') program[i] = '\\';
        sources.push_back(program);
        record.description += " " + native.substr(world_.root().size());
        std::ifstream in(native, std::ios::binary);
        record.copied_contents.insert({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
    }
    const std::string name = file_name_of(native_sources.front());
    if (native_sources.size() == 1 && ends_in_lower_case_bin(name)) {
        const std::string folder = mine ? world_.current_my_boxes_folder() : world_.current_box_folder();
        release_on_confirm(messages::drop_replace_question().text, folder + "/" + name);
    }
    world_.driver().drop_files(list, sources);
}

void UserSteps::change_options(StepRecord& record) {
    ui::MainWindow& w = world_.w();
    test::Driver& driver = world_.driver();
    driver.click(*w.超级按钮高级);  // to the options page
    const int save = below(2), box = below(2);
    w.编辑框存档路径->set_content(world_.save_folders[save].program);
    w.编辑框箱子路径->set_content(chance(5) ? world_.root() + "\\no such folder" : world_.box_folders[box].program);
    w.组合框1->set_current_index(below(2));
    w.组合框2->set_current_index(below(2));
    w.组合框3->set_current_index(below(2));
    w.组合框4->set_current_index(below(2));
    w.选择框信息->set_checked(chance(30));
    const bool save_them = chance(80);
    record.description = std::string("options: ") + (save_them ? "save" : "cancel") + " save folder " +
                         std::to_string(save) + ", box folder " + w.编辑框箱子路径->content().substr(world_.root().size()) +
                         ", version " + std::to_string(w.组合框1->current_index()) + ", mode " +
                         std::to_string(w.组合框2->current_index());
    driver.click(save_them ? *w.按钮保存 : *w.按钮取消);
    driver.click(*w.超级按钮高级);  // back to the library, which refreshes both lists
    record.filled_my_list = record.filled_saved_list = true;
}

void UserSteps::refresh(StepRecord& record) {
    if (chance(50)) {
        record.description = "click 超级按钮刷新";
        world_.driver().click(*world_.w().超级按钮刷新);
        record.filled_my_list = record.filled_saved_list = true;
        return;
    }
    ui::ListView& list = some_list();
    record.description = "menu 刷新";
    world_.driver().answer_popup_menu(world_.w().刷新.get());
    world_.driver().right_click_item(list, -1);
    (&list == world_.w().超级列表框我的箱子.get() ? record.filled_my_list : record.filled_saved_list) = true;
}

void UserSteps::view_or_sort(StepRecord& record) {
    ui::MainWindow& w = world_.w();
    ui::MenuItem* const items[] = {w.小图标.get(), w.大图标.get(), w.正向排序.get(), w.逆向排序.get()};
    ui::MenuItem* item = items[below(4)];
    record.description = "menu view or sort";
    world_.driver().answer_popup_menu(item);
    world_.driver().right_click_item(some_list(), -1);
    record.filled_my_list = record.filled_saved_list = true;
}

void UserSteps::restart(StepRecord& record) {
    record.description = "close and start the program again";
    world_.restart_program();
    record.filled_my_list = record.filled_saved_list = true;
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
    world_.set_surroundings();
}

}  // namespace kistvar::safety
