#include "contents/box_sources.h"

#include "ui/item_pictures.h"

namespace kistvar::contents {

namespace {

BoxSource box_source(const App& app, const store::Places& places, const ui::ListView& list, int item) {
    const std::string title = list.get_item_title(item);
    store::BoxKind kind = store::BoxKind::saved;
    if (app.is_my_list(&list)) kind = shows_in_use(list, item) ? store::BoxKind::in_use : store::BoxKind::mine;
    return {title, store::box_file(places, kind, title)};
}

}  // namespace

BoxSource box_source(const App& app, const ui::ListView& list, int item) {
    return box_source(app, app.state.places(), list, item);
}

std::optional<BoxSource> selected_box(const App& app) {
    const ui::ListView* list = app.state.current_list;
    if (list == nullptr || list->selected_item() == -1) return std::nullopt;
    return box_source(app, *list, list->selected_item());
}

std::vector<BoxSource> all_boxes(const App& app) {
    const store::Places places = app.state.places();
    std::vector<BoxSource> boxes;
    for (const ui::ListView* list : {app.w.超级列表框我的箱子.get(), app.w.超级列表框保存箱子.get()})
        for (int item = 0; item < list->item_count(); ++item) boxes.push_back(box_source(app, places, *list, item));
    if (places.marker == other_box_marker) boxes.push_back({std::string(other_box_marker), store::stash_file(places)});
    return boxes;
}

}  // namespace kistvar::contents
