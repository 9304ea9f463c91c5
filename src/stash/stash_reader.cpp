#include "stash/stash_reader.h"

#include <algorithm>
#include <string>

#include "stash/byte_cursor.h"
#include "stash/item_record.h"
#include "stash/stash_scramble.h"

namespace kistvar::stash {

namespace {

// version u32, scrambled u8, checksum u32 before the body; length u32 after it.
constexpr std::size_t header_size = 9;
constexpr std::size_t footer_size = 4;
constexpr std::uint32_t first_version = 0x41;  // older ones are the first game's
constexpr std::uint32_t last_version = 0x44;

Contents refused(Problem problem, std::uint32_t version = 0) {
    Contents contents;
    contents.problem = problem;
    contents.version = version;
    return contents;
}

// The body: an item count, then each record with its own length. Count and
// lengths must use up the body exactly.
Contents read_body(std::string_view body, std::uint32_t version) {
    ByteCursor cursor(body);
    std::uint32_t count = cursor.u32();
    if (!cursor.ok()) return refused(Problem::too_short, version);
    Contents contents;
    contents.version = version;
    // Every record takes at least its length field, so a hostile count
    // cannot make the list reserve more than the body could hold.
    contents.items.reserve(std::min<std::size_t>(count, cursor.remaining() / 4));
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t length = cursor.u32();
        std::string_view record = cursor.take(length);
        if (!cursor.ok()) return refused(Problem::damaged_record, version);
        if (!knows_record_layout(version)) {
            Item unknown;
            unknown.known_layout = false;
            contents.items.push_back(std::move(unknown));
            continue;
        }
        std::optional<Item> item = read_item_record(record, version);
        if (!item) return refused(Problem::damaged_record, version);
        contents.items.push_back(std::move(*item));
    }
    if (cursor.remaining() != 0) return refused(Problem::bytes_left_over, version);
    return contents;
}

}  // namespace

Contents read_stash(std::string_view file_bytes) {
    if (file_bytes.size() > largest_stash_size) return refused(Problem::too_large);
    if (file_bytes.size() < header_size + footer_size) return refused(Problem::too_short);
    ByteCursor header(file_bytes);
    const std::uint32_t version = header.u32();
    const std::uint8_t scrambled = header.u8();
    const std::uint32_t checksum = header.u32();
    if (version < first_version || version > last_version || scrambled > 1)
        return refused(Problem::unknown_version, version);
    ByteCursor footer(file_bytes.substr(file_bytes.size() - footer_size));
    if (footer.u32() != file_bytes.size()) return refused(Problem::wrong_length, version);

    std::string_view stored = file_bytes.substr(header_size, file_bytes.size() - header_size - footer_size);
    const std::string body = scrambled ? unscramble(stored) : std::string(stored);
    if (body_checksum(body) != checksum) return refused(Problem::wrong_checksum, version);
    return read_body(body, version);
}

}  // namespace kistvar::stash
