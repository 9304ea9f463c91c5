#include "library/box_paths.h"

#include <array>

#include "library/messages.h"
#include "platform/text.h"
#include "platform/utf16le_text.h"

namespace kistvar {

std::string my_boxes_folder(const App& app) {
    return app.state.paths[box_folder] + "\\MYBOX";
}

std::string my_box_file(const App& app, std::string_view title) {
    return my_boxes_folder(app) + "\\" + std::string(title) + ".bin";
}

std::string saved_box_file(const App& app, std::string_view title) {
    return app.state.paths[box_folder] + "\\" + std::string(title) + ".bin";
}

std::string stash_file(const App& app) {
    return app.state.paths[save_folder] + "\\" + app.state.stash_file_name;
}

bool same_folder(std::string_view a, std::string_view b) {
    while (a.ends_with('\\')) a.remove_suffix(1);
    while (b.ends_with('\\')) b.remove_suffix(1);
    return compare_text(a, b, false) == 0;
}

namespace {

bool is_forbidden_byte(unsigned char byte) {
    static constexpr std::string_view forbidden = "\\/:*?\"<>|";
    return byte < 0x20 || forbidden.find(static_cast<char>(byte)) != std::string_view::npos;
}

// Windows takes "CON", "con.txt" or "CON .x" for the console device, whatever
// folder it is in; the box file name adds ".bin", so the part before the
// first dot decides.
bool is_device_name(std::string_view name) {
    static constexpr std::array<std::string_view, 22> devices = {
        "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
        "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
    std::string_view stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
    for (std::string_view device : devices)
        if (compare_text(stem, device, false) == 0) return true;
    return false;
}

// A file name holds at most 255 UTF-16 units, ".bin" included.
constexpr std::size_t longest_title = 251;

bool is_too_long(std::string_view name) {
    return name.size() > longest_title && utf16le::from_utf8(name).size() / 2 > longest_title;
}

}  // namespace

std::string box_name_problem(std::string_view name) {
    if (name.empty()) return messages::empty_name_reason();
    if (is_too_long(name)) return messages::name_too_long_reason(longest_title);
    for (char c : name)
        if (is_forbidden_byte(static_cast<unsigned char>(c))) return messages::forbidden_character_reason();
    if (is_device_name(name)) return messages::device_name_reason(name);
    return {};
}

}  // namespace kistvar
