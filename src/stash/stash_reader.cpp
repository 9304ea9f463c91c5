#include "stash/stash_reader.h"

#include <algorithm>
#include <optional>

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

// The header, footer and checksum around the body; fills in the version,
// the scramble flag and the plain body.
Problem open_container(std::string_view file_bytes, StashRead& read) {
    if (file_bytes.size() > largest_stash_size) return Problem::too_large;
    if (file_bytes.size() < header_size + footer_size) return Problem::too_short;
    ByteCursor header(file_bytes);
    read.contents.version = header.u32();
    const std::uint8_t scrambled = header.u8();
    const std::uint32_t checksum = header.u32();
    if (read.contents.version < first_version || read.contents.version > last_version || scrambled > 1)
        return Problem::unknown_version;
    ByteCursor footer(file_bytes.substr(file_bytes.size() - footer_size));
    if (footer.u32() != file_bytes.size()) return Problem::wrong_length;
    read.scrambled = scrambled == 1;
    const std::string_view stored = file_bytes.substr(header_size, file_bytes.size() - header_size - footer_size);
    read.body = read.scrambled ? unscramble(stored) : std::string(stored);
    return body_checksum(read.body) == checksum ? Problem::none : Problem::wrong_checksum;
}

// The body: an item count, then each record with its own length. Count and
// lengths must use up the body exactly; a record whose own fields run past
// its length is counted as damaged and the rest are still listed.
Problem read_body(StashRead& read) {
    Contents& contents = read.contents;
    ByteCursor cursor(read.body);
    const std::uint32_t count = cursor.u32();
    if (!cursor.ok()) return Problem::too_short;
    const bool known_layout = knows_record_layout(contents.version);
    if (known_layout) {
        // A listed item took at least the shortest record and its length, so
        // a forged count cannot make the list reserve more than the body holds.
        const std::size_t room = cursor.remaining() / (4 + shortest_item_record(contents.version));
        contents.items.reserve(std::min<std::size_t>(count, room));
        contents.folded_starts.reserve(contents.items.capacity());
        read.spans.reserve(contents.items.capacity());
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t length = cursor.u32();
        const std::size_t offset = cursor.at();
        const std::string_view record = cursor.take(length);
        if (!cursor.ok()) return Problem::damaged_record;
        if (!known_layout) {
            ++contents.unknown_records;
            continue;
        }
        std::optional<ItemRecord> item = read_item_record(record, contents.version);
        if (!item) {
            ++contents.damaged_records;
            continue;
        }
        contents.add_item(std::move(item->item));
        read.spans.push_back({offset, length, item->cell_offset});
    }
    if (cursor.remaining() != 0) return Problem::bytes_left_over;
    // Damaged records reserved room they did not use, and the cache keeps the list.
    contents.items.shrink_to_fit();
    contents.folded_starts.shrink_to_fit();
    return Problem::none;
}

}  // namespace

StashRead read_stash_for_writing(std::string_view file_bytes) {
    StashRead read;
    Problem problem = open_container(file_bytes, read);
    if (problem == Problem::none) problem = read_body(read);
    if (problem != Problem::none) {
        // An unreadable file lists nothing.
        const std::uint32_t version = read.contents.version;
        read = StashRead{};
        read.contents.problem = problem;
        read.contents.version = version;
    }
    return read;
}

Contents read_stash(std::string_view file_bytes) { return std::move(read_stash_for_writing(file_bytes).contents); }

}  // namespace kistvar::stash
