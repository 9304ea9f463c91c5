#include "settings/settings_procedures.h"

#include <cmath>
#include <limits>

#include "app/window_texts.h"
#include "platform/dialogs.h"
#include "platform/settings_file.h"
#include "platform/text.h"
#include "settings/setting_keys.h"
#include "settings/steam_save_folder.h"

namespace kistvar {

namespace {

constexpr int documents_folder_number = 1;
constexpr int in_use_status_part = 1;  // the part after the caption "当前使用箱子："

// Asked for at every use, so the defaults follow a moved documents folder. When
// the folder is unknown the default is the bare relative path.
std::string in_documents(std::string_view relative_path) {
    return special_folder(documents_folder_number) + std::string(relative_path);
}

bool is_zero(std::string_view setting) { return setting == "0"; }

std::string read_key(std::string_view file_bytes, const setting_keys::Key& key, std::string_view default_text) {
    return read_setting_in(file_bytes, key.section, key.name, default_text);
}

// A missing key reads as this, which no stored value can be (values end at a line break).
constexpr std::string_view key_missing = "\n";

std::string read_save_folder(std::string_view file_bytes) {
    std::string stored = read_key(file_bytes, setting_keys::save_folder, key_missing);
    if (stored != key_missing) return stored;
    return save_folder_with_steam_number(in_documents(setting_keys::default_save_folder));
}

// A folder key whose default lies in the documents folder. The folder is asked
// for only when the key is missing: a configured start needs no shell lookup.
std::string read_folder_key(std::string_view file_bytes, const setting_keys::Key& key,
                            std::string_view default_in_documents) {
    std::string value = read_key(file_bytes, key, key_missing);
    return value == key_missing ? in_documents(default_in_documents) : value;
}

bool write_key(const App& app, const setting_keys::Key& key, std::string_view value) {
    return write_setting(app.state.settings_file_path, key.section, key.name, value);
}

// The combo boxes take the stored index as the leading number of the text,
// cut toward zero. A number beyond int's range would not fit the cast; such an
// index names no item either way, so it is pinned to the nearest int.
int combo_index_from(std::string_view setting) {
    const double number = std::trunc(to_number(setting));
    if (std::isnan(number)) return 0;
    if (number <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    if (number >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    return static_cast<int>(number);
}

language::Language language_in(std::string_view file_bytes) {
    return language::from_setting(read_key(file_bytes, setting_keys::language, ""))
        .value_or(language::of_user_interface());
}

constexpr int english_item = 1;  // 组合框5: 中文, English

void show_in_options_page(App& app) {
    const PathTable& paths = app.state.paths;
    ui::MainWindow& w = app.w;
    w.编辑框存档路径->set_content(paths[save_folder]);
    w.编辑框箱子路径->set_content(paths[box_folder]);
    w.组合框1->set_current_index(combo_index_from(paths[version_setting]));
    w.组合框2->set_current_index(combo_index_from(paths[mode_setting]));
    w.组合框3->set_current_index(combo_index_from(paths[view_setting]));
    w.组合框4->set_current_index(combo_index_from(paths[sort_setting]));
    w.组合框5->set_current_index(language::current() == language::Language::english ? english_item : 0);
}

// The item value is looked up with the stored number itself, not with the
// index the combo box clamped it to: an index naming no item gives -1, which
// the lists clamp in turn.
void apply_to_lists(App& app) {
    const PathTable& paths = app.state.paths;
    ui::MainWindow& w = app.w;
    const int view_style = w.组合框3->item_value(to_integer(paths[view_setting]));
    w.超级列表框我的箱子->set_view_style(view_style);
    w.超级列表框保存箱子->set_view_style(view_style);
    const int sort_order = w.组合框4->item_value(to_integer(paths[sort_setting]));
    w.超级列表框我的箱子->set_sort_order(sort_order);
    w.超级列表框保存箱子->set_sort_order(sort_order);
}

void show_check_marks(App& app) {
    const PathTable& paths = app.state.paths;
    ui::MainWindow& w = app.w;
    const bool small_icons = is_zero(paths[view_setting]);
    w.小图标->set_checked(small_icons);
    w.大图标->set_checked(!small_icons);
    const bool forward = is_zero(paths[sort_setting]);
    w.正向排序->set_checked(forward);
    w.逆向排序->set_checked(!forward);
}

}  // namespace

std::string stash_file_name_for(std::string_view version_setting, std::string_view mode_setting) {
    const bool newer_version = is_zero(version_setting);
    const bool normal_mode = is_zero(mode_setting);
    if (newer_version) return normal_mode ? "sharedstash_v2.bin" : "sharedstashh_v2.bin";
    return normal_mode ? "sharedstash.bin" : "sharedstashh.bin";
}

bool is_stash_file_name(std::string_view file_name) {
    for (const char* version : {"0", "1"})
        for (const char* mode : {"0", "1"})
            if (compare_text(file_name, stash_file_name_for(version, mode), false) == 0) return true;
    return false;
}

bool load_settings(App& app, std::string* unreadable_reason) {
    namespace keys = setting_keys;
    PathTable& paths = app.state.paths;

    // One read for every key: a read failing halfway would mix the file's
    // values with defaults, and a default marker can name a box that is not
    // in the slot.
    std::string bytes, reason;
    if (!read_settings_file(app.state.settings_file_path, bytes, reason)) {
        if (unreadable_reason != nullptr) *unreadable_reason = reason;
        return false;
    }
    paths[save_folder] = read_save_folder(bytes);
    paths[box_folder] = read_folder_key(bytes, keys::box_folder, keys::default_box_folder);
    paths[version_setting] = read_key(bytes, keys::version, "0");
    paths[mode_setting] = read_key(bytes, keys::mode, "0");
    paths[view_setting] = read_key(bytes, keys::view, "0");
    paths[sort_setting] = read_key(bytes, keys::sort, "0");
    paths[in_use_marker] = read_key(bytes, keys::in_use_marker, keys::default_in_use_marker);
    paths[quiet_setting] = read_key(bytes, keys::quiet, "0");

    app.state.stash_file_name = stash_file_name_for(paths[version_setting], paths[mode_setting]);

    speak(app, language_in(bytes));
    show_in_options_page(app);
    apply_to_lists(app);  // rebuilds both lists empty; the callers refill them
    show_in_use_marker(app);
    show_check_marks(app);
    app.w.选择框信息->set_checked(!is_zero(paths[quiet_setting]));
    return true;
}

void store_options(App& app) {
    namespace keys = setting_keys;
    ui::MainWindow& w = app.w;
    write_key(app, keys::save_folder, w.编辑框存档路径->content());
    write_key(app, keys::box_folder, w.编辑框箱子路径->content());
    write_key(app, keys::version, to_text(w.组合框1->current_index()));
    write_key(app, keys::mode, to_text(w.组合框2->current_index()));
    write_key(app, keys::view, to_text(w.组合框3->current_index()));
    write_key(app, keys::sort, to_text(w.组合框4->current_index()));
    write_key(app, keys::quiet, w.选择框信息->checked() ? "1" : "0");
    const auto chosen = w.组合框5->current_index() == english_item ? language::Language::english
                                                                   : language::Language::chinese;
    if (chosen != language::current()) write_key(app, keys::language, language::setting_of(chosen));
}

void store_display_state(App& app) {
    const PathTable& paths = app.state.paths;
    write_key(app, setting_keys::view, paths[view_setting]);
    write_key(app, setting_keys::sort, paths[sort_setting]);
    write_key(app, setting_keys::in_use_marker, paths[in_use_marker]);
}

void show_in_use_marker(App& app) {
    const std::string& marker = app.state.paths[in_use_marker];
    app.w.状态条1->set_status_text(in_use_status_part, marker == other_box_marker
                                                           ? std::string(language::text(language::Text::status_other_box_marker))
                                                           : marker);
}

bool write_in_use_marker(const App& app, std::string_view marker) {
    return write_key(app, setting_keys::in_use_marker, marker);
}

}  // namespace kistvar
