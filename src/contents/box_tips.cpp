#include "contents/box_tips.h"

#include "contents/box_sources.h"
#include "contents/contents_texts.h"

namespace kistvar::contents {

// A box too large to read at once says "读取中…" and is read by the steps;
// the tip shown next over it tells what it holds. A tip is asked for once, as
// it appears, and is not changed under the pointer while it is read.
std::string box_info_tip(App& app, const ui::ListView& list, int item) {
    if (item < 0 || item >= list.item_count()) return {};
    const BoxSource box = box_source(app, list, item);
    const auto contents = app.state.contents_window.reads.contents_of(app.state.contents, box.path);
    if (contents) return box_tip(box.title, *contents);
    app.w.箱子内容->request_step();
    return reading_tip();
}

}  // namespace kistvar::contents
