#include <string>
#include <string_view>

#include "language/language.h"
#include "platform/files.h"
#include "platform/text.h"
#include "store/box_editing.h"
#include "store/box_titles.h"

namespace kistvar::store {

namespace {

// An empty stash in the game's format; the last four bytes are its own length.
constexpr char empty_stash_bytes[] = {0x42, 0x00, 0x00, 0x00, 0x01, 0x53, 0x46, char(0xD4), 0x78,
                                      0x00, 0x00, 0x00, 0x00, 0x11, 0x00, 0x00, 0x00};
constexpr std::string_view empty_stash_image(empty_stash_bytes, sizeof empty_stash_bytes);

// "MYBOX " and the time now in the language's form; a second box in the same second, or a title the
// box in use has, gets " (2)", " (3)", … so no box is ever replaced.
std::string free_new_box_title(const Places& places) {
    const std::string base = "MYBOX " + language::time_title(current_time());
    std::string title = base;
    for (long long number = 2; my_box_title_taken(places, title); ++number)
        title = base + " (" + to_text(number) + ")";
    return title;
}

}  // namespace

Outcome new_box(const Places& places) {
    const std::string title = free_new_box_title(places);
    if (!write_file_atomically(my_box_file(places, title), empty_stash_image, false))
        return {Result::failed, title, {}, {}};
    return {Result::done, title, {}, {}};
}

}  // namespace kistvar::store
