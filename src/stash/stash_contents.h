// What a shared-stash file holds, as Kistvar shows it: facts taken from the
// game's file. Writing goes through the file's records (stash_records.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kistvar::stash {

// The three tabs of the shared stash; `other` is a container number no known
// stash uses (a damaged or future file), shown without a place.
enum class Tab { gear, consumables, spells, other };

struct Item {
    std::string name;  // as the game shows it: templates applied, colour codes removed
    Tab tab = Tab::other;
    int place = 0;  // 1..40 in its tab; 0 when unknown
    std::uint32_t level = 0;
    std::uint32_t stack = 0;
};

// Why a file is not a readable shared stash.
enum class Problem {
    none,
    cannot_read,      // the file could not be opened or read
    too_short,
    too_large,        // over the size limit; never read whole
    unknown_version,
    wrong_length,     // the length footer does not match the file
    wrong_checksum,
    damaged_record,   // a count or a record runs past the end of its room
                      // (past the body: the file; past its own length: that record)
    bytes_left_over,  // the body holds more than its records
};

// The format versions: the old file, the empty image of a new box (the only
// one of its version Kistvar writes) and the current file.
inline constexpr std::uint32_t version_old = 0x41;
inline constexpr std::uint32_t version_empty_image = 0x42;
inline constexpr std::uint32_t version_current = 0x44;

// True for the versions whose record layout is known (0x41 and 0x44).
inline bool knows_record_layout(std::uint32_t version) { return version == version_old || version == version_current; }

struct Contents {
    Problem problem = Problem::none;
    std::uint32_t version = 0;
    std::vector<Item> items;  // every record read whole; empty unless problem is none
    // The items' names in lower case, as searches compare them, one after
    // the other in item order, each followed by a line break: a search looks
    // through one text per box rather than one per item. add_item keeps it.
    std::string folded_names;
    std::vector<std::size_t> folded_starts;  // where each item's name begins in it
    // Records of a layout this reader does not know (versions 0x42 and 0x43):
    // they count as items but are not kept, so a forged count costs nothing.
    std::size_t unknown_records = 0;
    // Records whose fields run past their own length. Each record has its
    // own length, so the rest of the box is still listed.
    std::size_t damaged_records = 0;

    void add_item(Item item);
    // Item `index`'s name in lower case.
    std::string_view folded_name(std::size_t index) const {
        const std::size_t end = index + 1 < folded_starts.size() ? folded_starts[index + 1] : folded_names.size();
        return std::string_view(folded_names).substr(folded_starts[index], end - folded_starts[index] - 1);
    }

    bool readable() const { return problem == Problem::none; }
    bool damaged() const { return damaged_records != 0; }
    std::size_t item_count() const { return items.size() + unknown_records; }

    // Why items may not be moved into or out of this box, or Problem::none.
    // Only a box read whole, every record of a known layout, is written; the
    // empty image of a new box takes the version of its first item.
    Problem write_refusal() const {
        if (!readable()) return problem;
        if (damaged()) return Problem::damaged_record;
        const bool empty_image = version == version_empty_image && unknown_records == 0;
        return knows_record_layout(version) || empty_image ? Problem::none : Problem::unknown_version;
    }
    bool writable() const { return write_refusal() == Problem::none; }
};

// The largest file read as a stash: real ones are tens of kilobytes.
inline constexpr std::uint64_t largest_stash_size = 16u * 1024 * 1024;

}  // namespace kistvar::stash
