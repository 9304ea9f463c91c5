// MYBOX.ini as found on disk, whatever bytes it holds (GBK, UTF-16 with its
// mark, broken sequences, long lines): reading never changes it and gives
// well-formed text; a setting written with names the program could use reads
// back exactly and leaves the other settings as they were.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "fuzz_fields.h"
#include "platform/settings_file.h"

using namespace kistvar;

namespace {

const std::string& settings_path() {
    static std::string folder;
    static const std::string path = [] {
        // In memory where the system has it: every write is flushed to disk,
        // and a disk's flush would make each input cost milliseconds.
        char in_memory[] = "/dev/shm/kistvar-fuzz-XXXXXX";
        char on_disk[] = "/tmp/kistvar-fuzz-XXXXXX";
        const char* made = mkdtemp(in_memory);
        if (!made) made = mkdtemp(on_disk);
        if (!made) fuzz::broken("no temporary folder");
        folder = made;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        });
        return folder + "\\MYBOX.ini";
    }();
    return path;
}

// The same file as the program sees it: its "\" is the POSIX layer's "/".
std::string posix_settings_path() {
    std::string path = settings_path();
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

void put_file(std::string_view bytes) {
    std::FILE* file = std::fopen(posix_settings_path().c_str(), "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) fuzz::broken("cannot write");
    std::fclose(file);
}

std::string file_bytes() {
    std::string bytes;
    std::FILE* file = std::fopen(posix_settings_path().c_str(), "rb");
    if (!file) return "<missing>";
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, n);
    std::fclose(file);
    return bytes;
}

// Length of the well-formed UTF-8 character at `at`, 0 when none starts there.
std::size_t utf8_length(std::string_view text, std::size_t at) {
    const auto c = static_cast<unsigned char>(text[at]);
    std::size_t length = c < 0x80 ? 1 : (c >= 0xC2 && c <= 0xDF) ? 2 : (c >= 0xE0 && c <= 0xEF) ? 3
                                      : (c >= 0xF0 && c <= 0xF4) ? 4 : 0;
    if (length == 0 || at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 0;
    const auto second = static_cast<unsigned char>(text[at + 1 < text.size() ? at + 1 : at]);
    if (c == 0xE0 && second < 0xA0) return 0;                    // overlong
    if (c == 0xED && second >= 0xA0) return 0;                   // surrogate
    if (c == 0xF0 && second < 0x90) return 0;                    // overlong
    if (c == 0xF4 && second >= 0x90) return 0;                   // past U+10FFFF
    return length;
}

bool well_formed(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8_length(text, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

// A name the program could give: well-formed, printable, none of the
// characters that shape an INI line, not blank.
bool sane_name(std::string_view name) {
    if (!well_formed(name)) return false;
    bool only_blanks = true;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80 && (byte < 0x20 || byte == 0x7F || std::string_view("[];=").find(c) != std::string_view::npos))
            return false;
        if (c != ' ') only_blanks = false;
    }
    return !only_blanks && name.front() != ' ' && name.back() != ' ';
}

std::string expected_read(std::string_view value) {
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

// Names match ignoring the case of ASCII letters; UTF-8 keeps every other
// character's bytes apart from them.
std::string folded(std::string_view name) {
    std::string out(name);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string without_trailing_spaces(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = fuzz::fields(data, size, 6);
    const std::string_view section = f[0], key = f[1], value = f[2], other_key = f[3], fallback = f[4];
    const std::string_view file = f[5];
    const std::string& path = settings_path();
    put_file(file);

    const std::string read = read_setting(path, section, key, fallback);
    if (file_bytes() != file) fuzz::broken("reading changed the file");
    if (!well_formed(read) && read != without_trailing_spaces(fallback)) fuzz::broken("a read gave broken UTF-8");
    if (read.size() > 4 * 10239) fuzz::broken("a read gave more than the platform's buffer holds");

    if (!sane_name(section) || !sane_name(key) || !well_formed(value) || value.size() > 3000 ||
        value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
        return 0;
    const bool other_is_another = sane_name(other_key) && folded(other_key) != folded(key);
    const std::string other_before = read_setting(path, section, other_key, "<missing>");

    if (!write_setting(path, section, key, value)) fuzz::broken("a write into a writable file failed");
    if (read_setting(path, section, key, "<missing>") != expected_read(value))
        fuzz::broken("a written setting does not read back");
    if (other_is_another && read_setting(path, section, other_key, "<missing>") != other_before)
        fuzz::broken("writing one setting changed another");
    // A file that was UTF-16 stays UTF-16.
    if (file.starts_with("\xFF\xFE") && !file_bytes().starts_with("\xFF\xFE"))
        fuzz::broken("a UTF-16 file lost its mark");
    return 0;
}
