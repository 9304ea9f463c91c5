#include "contents/box_sources.h"

#include "library/box_lists.h"
#include "library/box_paths.h"
#include "library/item_pictures.h"

namespace kistvar::contents {

BoxSource box_source(const App& app, const ui::ListView& list, int item) {
    const std::string title = list.get_item_title(item);
    if (!is_my_list(app, &list)) return {title, saved_box_file(app, title)};
    if (shows_in_use(list, item)) return {title, stash_file(app)};
    return {title, my_box_file(app, title)};
}

std::optional<BoxSource> selected_box(const App& app) {
    const ui::ListView* list = app.state.current_list;
    if (list == nullptr || list->selected_item() == -1) return std::nullopt;
    return box_source(app, *list, list->selected_item());
}

std::vector<BoxSource> all_boxes(const App& app) {
    std::vector<BoxSource> boxes;
    for (const ui::ListView* list : {app.w.超级列表框我的箱子.get(), app.w.超级列表框保存箱子.get()})
        for (int item = 0; item < list->item_count(); ++item) boxes.push_back(box_source(app, *list, item));
    if (app.state.paths[in_use_marker] == other_box_marker)
        boxes.push_back({std::string(other_box_marker), stash_file(app)});
    return boxes;
}

}  // namespace kistvar::contents
