#include "options/window_settings.h"

#include <cmath>
#include <limits>

#include "library/status_bar.h"
#include "options/window_language.h"
#include "platform/text.h"
#include "settings/settings_procedures.h"

namespace kistvar {

namespace {

bool is_zero(std::string_view setting) { return setting == "0"; }

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

bool load_settings(App& app, std::string* unreadable_reason) {
    PathTable& paths = app.state.paths;
    language::Language language = language::current();
    std::string reason;
    if (!read_settings(app.state.settings_file_path, paths, language, reason)) {
        if (unreadable_reason != nullptr) *unreadable_reason = reason;
        return false;
    }
    app.state.stash_file_name = stash_file_name_for(paths[version_setting], paths[mode_setting]);

    speak(app, language);
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
    const std::string& file = app.state.settings_file_path;
    write_setting_key(file, keys::save_folder, w.编辑框存档路径->content());
    write_setting_key(file, keys::box_folder, w.编辑框箱子路径->content());
    write_setting_key(file, keys::version, to_text(w.组合框1->current_index()));
    write_setting_key(file, keys::mode, to_text(w.组合框2->current_index()));
    write_setting_key(file, keys::view, to_text(w.组合框3->current_index()));
    write_setting_key(file, keys::sort, to_text(w.组合框4->current_index()));
    write_setting_key(file, keys::quiet, w.选择框信息->checked() ? "1" : "0");
    const auto chosen = w.组合框5->current_index() == english_item ? language::Language::english
                                                                   : language::Language::chinese;
    if (chosen != language::current()) write_setting_key(file, keys::language, language::setting_of(chosen));
}

}  // namespace kistvar
