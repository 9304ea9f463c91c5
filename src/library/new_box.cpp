#include <string>
#include <string_view>

#include "language/language.h"
#include "library/box_editing.h"
#include "library/box_paths.h"
#include "library/box_titles.h"
#include "library/item_pictures.h"
#include "library/messages.h"
#include "platform/files.h"
#include "platform/text.h"

namespace kistvar {

namespace {

// An empty stash in the game's format; the last four bytes are its own length.
constexpr char empty_stash_bytes[] = {0x42, 0x00, 0x00, 0x00, 0x01, 0x53, 0x46, char(0xD4), 0x78,
                                      0x00, 0x00, 0x00, 0x00, 0x11, 0x00, 0x00, 0x00};
constexpr std::string_view empty_stash_image(empty_stash_bytes, sizeof empty_stash_bytes);

// "MYBOX " and the time now in the language's form; a second box in the same second, or a title the
// box in use has, gets " (2)", " (3)", … so no box is ever replaced.
std::string free_new_box_title(const App& app) {
    const std::string base = "MYBOX " + language::time_title(current_time());
    std::string title = base;
    for (long long number = 2; my_box_title_taken(app, title); ++number)
        title = base + " (" + to_text(number) + ")";
    return title;
}

}  // namespace

void new_box(App& app) {
    const std::string title = free_new_box_title(app);
    if (!write_file_atomically(my_box_file(app, title), empty_stash_image, false)) {
        messages::show_unless_quiet(app, messages::new_box_failed());
        return;
    }
    ui::ListView& list = *app.w.超级列表框我的箱子;
    int added = list.insert_item(-1, title, ordinary_picture);
    list.set_selected_item(added);
    list.ensure_visible(added);
    messages::show_unless_quiet(app, messages::new_box_created());
}

}  // namespace kistvar
