#include "contents/move_rules.h"

#include "contents/grid_cells.h"

namespace kistvar::contents {

namespace {

bool empty_image(const stash::Contents& box) {
    return box.version == stash::version_empty_image && box.item_count() == 0;
}

}  // namespace

bool may_move(const stash::Contents& source, ui::GridPlace from, const stash::Contents& target, ui::GridPlace to) {
    if (to.tab != from.tab || !item_at(source, from)) return false;
    if (!source.writable() || !target.writable()) return false;
    return source.version == target.version || empty_image(target);
}

}  // namespace kistvar::contents
