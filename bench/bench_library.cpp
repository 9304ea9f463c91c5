#include "bench_library.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "platform/files.h"
#include "support/stash_writer.h"

namespace kistvar::bench {

namespace fs = std::filesystem;

namespace {

fs::path to_fs(const std::string& path) {
#ifdef _WIN32
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(path.data()), path.size()));
#else
    std::string posix = path;
    for (char& c : posix)
        if (c == '\\') c = '/';
    return fs::path(posix);
#endif
}

std::string program_form(const fs::path& path) {
    const auto u8 = path.u8string();
    std::string text(reinterpret_cast<const char*>(u8.data()), u8.size());
#ifdef _WIN32
    for (char& c : text)
        if (c == '/') c = '\\';
#endif
    while (text.size() > 1 && (text.back() == '\\' || text.back() == '/')) text.pop_back();
    return text;
}

void make_folder(const std::string& path) {
    if (!create_folder(path)) throw std::runtime_error("cannot create " + path);
}

// A small real stash, unique like a player's: a swap asks nothing about it.
void put_box(const std::string& folder, const std::string& title) {
    const std::string content = test::stash_holding("stash of " + title);
    if (!write_file(folder + "\\" + title + ".bin", {content}))
        throw std::runtime_error("cannot write a box into " + folder);
}

const char* const item_names[] = {"Ring of Fire", "Зелье здоровья", "Frost Bolt", "Iron Sword", "Amulet",
                                  "Большой щит", "Mana Potion", "Boots of Haste"};

}  // namespace

std::string real_sized_box(int n) {
    constexpr int items_per_box = 80;
    std::vector<test::StashItem> items;
    for (int i = 0; i < items_per_box; ++i) {
        test::StashItem item = test::stash_item(std::string(item_names[(n + i) % 8]) + " " + std::to_string(n),
                                                24 + i % 3, 1 + i % 40, 1 + i % 90);
        item.mods = 20;  // the mod ids take room as real records' fields do
        items.push_back(item);
    }
    return test::stash_file(items);
}

std::string saved_box_title(int n) {
    char title[32];
    std::snprintf(title, sizeof title, "saved %05d", n);
    return title;
}

std::string my_box_title(int n) {
    char title[32];
    std::snprintf(title, sizeof title, "My box %05d", n);
    return title;
}

BenchLibrary::BenchLibrary(int saved_boxes, int my_boxes) {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    root = program_form(fs::temp_directory_path() / ("kistvar-bench-" + std::to_string(stamp)));
    program_folder = root + "\\program";
    save_folder = root + "\\save";
    box_folder = save_folder + "\\box";
    my_boxes_folder = box_folder + "\\MYBOX";
    for (const std::string* folder : {&root, &program_folder, &save_folder, &box_folder, &my_boxes_folder})
        make_folder(*folder);
    for (int n = 0; n < saved_boxes; ++n) put_box(box_folder, saved_box_title(n));
    for (int n = 0; n < my_boxes; ++n) put_box(my_boxes_folder, my_box_title(n));
}

BenchLibrary::~BenchLibrary() {
    std::error_code ignored;
    fs::remove_all(to_fs(root), ignored);
}

}  // namespace kistvar::bench
