#include "contents/box_tips.h"

#include "contents/box_sources.h"
#include "contents/contents_texts.h"

namespace kistvar::contents {

std::string box_info_tip(App& app, const ui::ListView& list, int item) {
    if (item < 0 || item >= list.item_count()) return {};
    const BoxSource box = box_source(app, list, item);
    return box_tip(box.title, *app.state.contents.contents_of(box.path));
}

}  // namespace kistvar::contents
