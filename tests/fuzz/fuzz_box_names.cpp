// Names typed for a box (new box, rename, save as): an accepted name makes a
// file name Windows takes as an ordinary file.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "fuzz_fields.h"
#include "store/box_titles.h"

using namespace kistvar;

namespace {

bool is_device(std::string_view name) {
    static constexpr std::array<std::string_view, 22> devices = {
        "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
        "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
    // The box file is name + ".bin": the part before the first dot, without
    // trailing blanks, is what Windows compares.
    std::string stem(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    std::transform(stem.begin(), stem.end(), stem.begin(), [](char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return std::find(devices.begin(), devices.end(), stem) != devices.end();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view name(reinterpret_cast<const char*>(data), size);
    const std::string problem = store::box_name_problem(name);
    if (!problem.empty()) return 0;
    if (name.empty()) fuzz::broken("an empty name accepted");
    for (unsigned char c : name) {
        if (c < 0x20) fuzz::broken("a control character accepted");
        if (std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos)
            fuzz::broken("a character no file name may hold accepted");
    }
    if (is_device(name)) fuzz::broken("a device name accepted");
    return 0;
}
