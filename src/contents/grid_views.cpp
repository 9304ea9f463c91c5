#include "contents/grid_views.h"

#include <algorithm>
#include <string>
#include <vector>

#include "contents/box_sources.h"
#include "contents/grid_cells.h"
#include "language/language.h"

namespace kistvar::contents {

namespace {

using language::Text;

// "当前使用箱子：<title>", "我的箱子  <title>" or "保存箱子  <title>".
std::string box_words(const App& app, const BoxSource& box, bool mine) {
    if (box.path == store::stash_file(app.state.places())) return language::text(Text::in_use_box_choice, {{"title", box.title}});
    return language::text(mine ? Text::my_box_choice : Text::saved_box_choice, {{"title", box.title}});
}

int index_of(const std::vector<BoxSource>& boxes, const std::string& path) {
    const auto found = std::find_if(boxes.begin(), boxes.end(), [&](const BoxSource& box) { return box.path == path; });
    return found == boxes.end() ? -1 : static_cast<int>(found - boxes.begin());
}

}  // namespace

BoxView& box_view(App& app, ui::GridSide side) {
    return side == ui::GridSide::left ? app.state.contents_window.left : app.state.contents_window.right;
}

void look_at(App& app, ui::GridSide side, std::optional<BoxSource> box) {
    BoxView& view = box_view(app, side);
    view.box = std::move(box);
    view.seen = {};
    view.contents = nullptr;
    if (!view.box) return;
    file_facts(view.box->path, view.seen);  // a missing file keeps no facts and reads as missing
    view.contents = app.state.contents_window.reads.contents_of(app.state.contents, view.box->path);
    if (!view.contents) app.w.箱子内容->request_step();
}

void read_again(App& app, ui::GridSide side) {
    const std::optional<BoxSource> box = box_view(app, side).box;
    look_at(app, side, box);
    show_grid(app, side, false);
}

void show_grid(App& app, ui::GridSide side, bool new_box) {
    ui::StashGrid* grid = app.w.箱子内容->grid(side);
    if (!grid) return;
    const BoxView& view = box_view(app, side);
    if (side == ui::GridSide::left)
        app.w.箱子内容->set_left_title(
            view.box ? box_words(app, *view.box, app.is_my_list(app.state.current_list)) : std::string());
    grid->show_cells(view.contents ? grid_cells(*view.contents) : ui::GridCells{});
    grid->set_undo_offered(!app.state.contents_window.moves.empty());
    if (new_box) grid->set_highlighted(std::nullopt);
}

bool right_side_read(App& app) {
    BoxView& view = app.state.contents_window.right;
    if (!view.box || view.contents) return true;
    view.contents = app.state.contents_window.reads.contents_of(app.state.contents, view.box->path);
    if (!view.contents) return false;
    show_grid(app, ui::GridSide::right, false);
    return true;
}

void show_box_choices(App& app) {
    WindowState& shown = app.state.contents_window;
    shown.choices = all_boxes(app);
    std::vector<std::string> texts;
    for (std::size_t index = 0; index < shown.choices.size(); ++index)
        texts.push_back(box_words(app, shown.choices[index],
                                  index < static_cast<std::size_t>(app.w.超级列表框我的箱子->item_count())));
    int chosen = shown.right.box ? index_of(shown.choices, shown.right.box->path) : -1;
    if (chosen < 0) chosen = index_of(shown.choices, store::stash_file(app.state.places()));
    app.w.箱子内容->show_box_choices(texts, chosen);
    const std::optional<BoxSource> box =
        chosen < 0 ? std::nullopt : std::optional<BoxSource>(shown.choices[static_cast<std::size_t>(chosen)]);
    const bool same = box && shown.right.box && *box == *shown.right.box;
    look_at(app, ui::GridSide::right, box);
    show_grid(app, ui::GridSide::right, !same);
}

void box_chosen(App& app, int choice) {
    const std::vector<BoxSource>& choices = app.state.contents_window.choices;
    if (choice < 0 || static_cast<std::size_t>(choice) >= choices.size()) return;
    look_at(app, ui::GridSide::right, choices[static_cast<std::size_t>(choice)]);
    show_grid(app, ui::GridSide::right, true);
}

}  // namespace kistvar::contents
