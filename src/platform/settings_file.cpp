#include "platform/settings_file.h"

#include "platform/files.h"
#include "platform/gb18030.h"
#include "platform/profile_text.h"
#include "platform/utf16le_text.h"
#include "platform/utf8_text.h"

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

// The profile rules work on GB18030 bytes. A file saved as UTF-16LE (with
// its byte order mark) is read as such, as Windows does, and written back so.
// So is one saved as UTF-8, as Notepad now does by default: with its mark, or
// without one when its bytes are well-formed UTF-8 and not plain ASCII, which
// Chinese GBK text never is. A file of ours stays GB18030.
enum class Codec { gb18030, utf8, utf16le };

struct ProfileBytes {
    std::string bytes;          // GB18030
    std::string_view mark;      // the byte order mark the file starts with, kept
    Codec codec = Codec::gb18030;
};

bool reads_as_utf8(std::string_view mark, std::string_view text) {
    return utf8::is_well_formed(text) && (!mark.empty() || !utf8::is_plain_ascii(text));
}

ProfileBytes profile_bytes_of(std::string_view file_bytes) {
    if (file_bytes.starts_with(utf16le::byte_order_mark)) {
        std::string_view text = file_bytes.substr(utf16le::byte_order_mark.size());
        return {gb18030::from_utf8(utf16le::to_utf8(text)), utf16le::byte_order_mark, Codec::utf16le};
    }
    const std::string_view mark = file_bytes.starts_with(utf8::byte_order_mark) ? utf8::byte_order_mark : "";
    const std::string_view text = file_bytes.substr(mark.size());
    if (reads_as_utf8(mark, text)) return {gb18030::from_utf8(text), mark, Codec::utf8};
    // GBK text, also behind a UTF-8 mark an editor put there: the mark stays.
    return {std::string(text), mark, Codec::gb18030};
}

std::string file_bytes_of(const ProfileBytes& profile) {
    Codec codec = profile.codec;
    // GB18030 bytes that happen to be well-formed UTF-8 would read back as
    // UTF-8, so they are written as the UTF-8 they would be taken for.
    if (codec == Codec::gb18030 && reads_as_utf8(profile.mark, profile.bytes)) codec = Codec::utf8;
    std::string bytes(profile.mark);
    switch (codec) {
        case Codec::gb18030: bytes += profile.bytes; break;
        case Codec::utf8: bytes += gb18030::to_utf8(profile.bytes); break;
        case Codec::utf16le: bytes += utf16le::from_utf8(gb18030::to_utf8(profile.bytes)); break;
    }
    return bytes;
}

}  // namespace

std::string read_setting(std::string_view file_path, std::string_view section, std::string_view key,
                         std::string_view default_text) {
    file_path = skip_control_and_blanks(file_path);
    if (file_path.empty() || skip_control_and_blanks(section).empty() || skip_control_and_blanks(key).empty())
        return {};
    std::string bytes;
    if (!read_whole_file(file_path, bytes)) return read_setting_in({}, section, key, default_text);
    return read_setting_in(bytes, section, key, default_text);
}

bool read_settings_file(std::string_view file_path, std::string& file_bytes, std::string& reason) {
    if (read_whole_file(file_path, file_bytes)) return true;
    file_bytes.clear();  // a read failing halfway leaves part of the file
    if (last_failure_was_missing()) return true;  // a missing file reads as an empty one
    reason = last_failure_reason();               // taken before the look-up below changes it
    // A folder of that name holds no settings and reads as empty, as it always
    // has; a look-up that fails cannot tell, and the file counts as unreadable.
    SearchHandle search;
    return !find_file(file_path, attribute_folder, false, search).empty();
}

std::string read_setting_in(std::string_view file_bytes, std::string_view section, std::string_view key,
                            std::string_view default_text) {
    section = skip_control_and_blanks(section);
    key = skip_control_and_blanks(key);
    if (section.empty() || key.empty()) return {};
    std::string profile = profile_bytes_of(file_bytes).bytes;
    std::optional<std::string> value =
        profile_text::read_value(profile, gb18030::from_utf8(section), gb18030::from_utf8(key));
    if (!value) return without_trailing_spaces(default_text);
    // Cut on the file's bytes, as the platform's buffer would.
    return gb18030::to_utf8(std::string_view(*value).substr(0, longest_value));
}

bool write_setting(std::string_view file_path, std::string_view section, std::optional<std::string_view> key,
                   std::optional<std::string_view> value) {
    if (file_path.empty()) return false;
    std::string file_bytes;
    bool existed = file_exists(file_path);
    if (existed && !read_whole_file(file_path, file_bytes)) return false;
    ProfileBytes old_profile = profile_bytes_of(file_bytes);

    std::optional<std::string> key_bytes, value_bytes;
    if (key) key_bytes = gb18030::from_utf8(*key);
    if (value) value_bytes = gb18030::from_utf8(*value);
    ProfileBytes new_profile{
        profile_text::write_value(old_profile.bytes, gb18030::from_utf8(section), key_bytes, value_bytes),
        old_profile.mark, old_profile.codec};

    // Nothing to change: the file stays as it is (and a deletion from a
    // missing file creates none).
    if (new_profile.bytes == old_profile.bytes && (existed || new_profile.bytes.empty())) return true;
    return write_file_atomically(file_path, file_bytes_of(new_profile), existed);
}

}  // namespace kistvar
