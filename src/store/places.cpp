#include "store/places.h"

#include "platform/files.h"
#include "platform/file_names.h"

namespace kistvar::store {

std::string my_boxes_folder(const Places& places) { return places.box_folder + "\\MYBOX"; }

std::string my_box_file(const Places& places, std::string_view title) {
    return my_boxes_folder(places) + "\\" + std::string(title) + ".bin";
}

std::string saved_box_file(const Places& places, std::string_view title) {
    return places.box_folder + "\\" + std::string(title) + ".bin";
}

std::string stash_file(const Places& places) { return places.save_folder + "\\" + places.stash_file_name; }

std::string box_file(const Places& places, BoxKind kind, std::string_view title) {
    switch (kind) {
        case BoxKind::saved: return saved_box_file(places, title);
        case BoxKind::mine: return my_box_file(places, title);
        case BoxKind::in_use: return stash_file(places);
    }
    return {};
}

void make_my_boxes_folder(const Places& places) {
    const std::string folder = my_boxes_folder(places);
    SearchHandle search;
    if (find_file(folder, attribute_folder, false, search).empty()) create_folder(folder);
}

bool same_folder(std::string_view a, std::string_view b) {
    while (a.ends_with('\\')) a.remove_suffix(1);
    while (b.ends_with('\\')) b.remove_suffix(1);
    return same_file_name(a, b);
}

}  // namespace kistvar::store
