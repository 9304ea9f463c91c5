#include "platform/settings_file.h"

#include "platform/files.h"
#include "platform/gb18030.h"
#include "platform/profile_text.h"

namespace kistvar {

namespace {

// The profile read's buffer holds 10240 bytes with the terminating zero.
constexpr std::size_t longest_value = 10239;

std::string_view skip_control_and_blanks(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 0x20) text.remove_prefix(1);
    return text;
}

std::string without_trailing_spaces(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

}  // namespace

std::string read_setting(std::string_view file_path, std::string_view section, std::string_view key,
                         std::string_view default_text) {
    file_path = skip_control_and_blanks(file_path);
    section = skip_control_and_blanks(section);
    key = skip_control_and_blanks(key);
    if (file_path.empty() || section.empty() || key.empty()) return {};

    std::string bytes;
    if (!read_whole_file(file_path, bytes)) return without_trailing_spaces(default_text);
    std::optional<std::string> value =
        profile_text::read_value(bytes, gb18030::from_utf8(section), gb18030::from_utf8(key));
    if (!value) return without_trailing_spaces(default_text);
    // Cut on the file's bytes, as the platform's buffer would.
    return gb18030::to_utf8(std::string_view(*value).substr(0, longest_value));
}

bool write_setting(std::string_view file_path, std::string_view section, std::optional<std::string_view> key,
                   std::optional<std::string_view> value) {
    if (file_path.empty()) return false;
    std::string old_bytes;
    bool existed = file_exists(file_path);
    if (existed && !read_whole_file(file_path, old_bytes)) return false;

    std::optional<std::string> key_bytes, value_bytes;
    if (key) key_bytes = gb18030::from_utf8(*key);
    if (value) value_bytes = gb18030::from_utf8(*value);
    std::string new_bytes = profile_text::write_value(old_bytes, gb18030::from_utf8(section), key_bytes, value_bytes);

    // Nothing to change: the file stays as it is (and a deletion from a
    // missing file creates none).
    if (new_bytes == old_bytes && (existed || new_bytes.empty())) return true;
    return write_file_atomically(file_path, new_bytes, existed);
}

}  // namespace kistvar
