#include "contents/grid_moves.h"

#include <optional>
#include <string>

#include "contents/game_guard.h"
#include "contents/grid_cells.h"
#include "contents/grid_views.h"
#include "contents/move_messages.h"
#include "contents/move_rules.h"
#include "contents/window_views.h"
#include "language/language.h"
#include "platform/dialogs.h"
#include "store/backups.h"

namespace kistvar::contents {

namespace {

using ui::GridSide;

GridSide other(GridSide side) { return side == GridSide::left ? GridSide::right : GridSide::left; }

void tell_refusal(const std::string& text) {
    message_box(text, style_stop, language::text(language::Text::alert_caption));
}

// The game overwrites the stash slot while it runs: writing it asks first.
bool slot_write_allowed(const App& app, const std::string& a, const std::string& b) {
    const std::string slot = store::stash_file(app.state.places());
    return (a != slot && b != slot) || game_allows_move();
}

// Both grids, and the list and summary of the left, show the files as they
// are on disk now. A side showing neither file stays as it is.
void show_written(App& app, const std::string& a, const std::string& b) {
    app.state.contents.forget(a);
    app.state.contents.forget(b);
    for (GridSide side : {GridSide::left, GridSide::right}) {
        const BoxView& view = box_view(app, side);
        if (!view.box || (view.box->path != a && view.box->path != b)) continue;
        if (side == GridSide::left && !app.state.contents_window.search)
            show_selected_box(app);  // the list and summary too
        else
            read_again(app, side);
    }
    // The finds listed may have moved: the search runs again.
    if (const auto& search = app.state.contents_window.search) start_search(app, std::string(search->text()));
    for (GridSide side : {GridSide::left, GridSide::right})
        if (ui::StashGrid* grid = app.w.箱子内容->grid(side)) grid->set_undo_offered(!app.state.contents_window.moves.empty());
}

// Highlights where an item is now in the grids showing its box.
void highlight(App& app, const std::string& path, store::Cell cell) {
    for (GridSide side : {GridSide::left, GridSide::right}) {
        const BoxView& view = box_view(app, side);
        ui::StashGrid* grid = app.w.箱子内容->grid(side);
        if (grid && view.box && view.box->path == path) grid->set_highlighted(grid_place(cell));
    }
}

store::ViewedBox viewed(const BoxView& view) { return {view.box->path, view.box->title, view.seen}; }

void move(App& app, GridSide from_side, ui::GridPlace from, GridSide to_side, std::optional<ui::GridPlace> to) {
    const BoxView& source = box_view(app, from_side);
    const BoxView& target = box_view(app, to_side);
    if (!source.box || !target.box || !source.contents) return;
    const stash::Item* item = item_at(*source.contents, from);
    if (!item) return;
    const std::string name = item->name;
    const stash::Tab tab = item->tab;
    std::optional<std::string> exchanged;
    if (to && target.contents)
        if (const stash::Item* there = item_at(*target.contents, *to)) exchanged = there->name;
    const store::ViewedBox source_box = viewed(source), target_box = viewed(target);
    if (!slot_write_allowed(app, source_box.path, target_box.path)) return;

    const store::Places places = app.state.places();
    const store::MoveOutcome outcome =
        store::move_item(places, source_box, store_cell(from), target_box, to ? std::optional(store_cell(*to)) : std::nullopt);
    if (!outcome.moved()) {
        show_written(app, source_box.path, target_box.path);  // a stale view, or a failed write put back
        tell_refusal(move_refusal_text(outcome, name, tab, store::backups_folder(places), false));
        return;
    }
    app.state.contents_window.moves.remember({outcome.record, name, exchanged});
    show_written(app, source_box.path, target_box.path);
    highlight(app, target_box.path, outcome.item_now);
    const MovedItem moved{name, target_box.title, outcome.item_now};
    std::optional<MovedItem> other_item;
    if (exchanged && outcome.exchanged_now) other_item = MovedItem{*exchanged, source_box.title, *outcome.exchanged_now};
    app.w.箱子内容->set_summary(moved_summary(moved, source_box.title, store_cell(from), other_item ? &*other_item : nullptr));
}

}  // namespace

bool drop_allowed(App& app, const ui::GridMove& drop) {
    const BoxView& source = box_view(app, drop.from_side);
    const BoxView& target = box_view(app, drop.to_side);
    return source.contents && target.contents && may_move(*source.contents, drop.from, *target.contents, drop.to);
}

void item_dropped(App& app, const ui::GridMove& drop) { move(app, drop.from_side, drop.from, drop.to_side, drop.to); }

void move_across(App& app, GridSide side, ui::GridPlace at) { move(app, side, at, other(side), std::nullopt); }

void undo_last_move(App& app) {
    MoveHistory& moves = app.state.contents_window.moves;
    if (moves.empty()) return;
    const MadeMove last = moves.last();
    const store::MoveRecord& record = last.record;
    if (!slot_write_allowed(app, record.source.path, record.target.path)) return;
    const store::Places places = app.state.places();
    const store::MoveOutcome outcome = store::undo_move(places, record);
    // Undone, or never to be: a box it would write changed since the move.
    // The moves before it are the store's to check, each in its turn.
    if (outcome.moved() || outcome.result == store::MoveResult::stale) moves.forget_last();
    show_written(app, record.source.path, record.target.path);
    if (!outcome.moved()) {
        tell_refusal(move_refusal_text(outcome, last.item, record.from.tab, store::backups_folder(places), true));
        return;
    }
    highlight(app, record.source.path, record.from);
    app.w.箱子内容->set_summary(undone_summary({last.item, record.source.title, record.from}));
}

}  // namespace kistvar::contents
