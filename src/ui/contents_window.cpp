#include "ui/contents_window.h"

namespace kistvar::ui {

void ContentsWindow::wire_grid(StashGrid& made, GridSide side) {
    auto side_of = [this](const StashGrid* source) {
        return source == this->grid(GridSide::left) ? GridSide::left : GridSide::right;
    };
    made.on_move_across = [this, side](GridPlace at) {
        if (on_move_across) on_move_across(side, at);
    };
    made.on_undo = [this] {
        if (on_undo) on_undo();
    };
    made.on_drop_allowed = [this, side, side_of](const GridDrop& drop) {
        return on_drop_allowed && on_drop_allowed(GridMove{side_of(drop.source), drop.from, side, drop.to});
    };
    made.on_dropped = [this, side, side_of](const GridDrop& drop) {
        if (on_dropped) on_dropped(GridMove{side_of(drop.source), drop.from, side, drop.to});
    };
}

}  // namespace kistvar::ui
