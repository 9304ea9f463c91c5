// What a shared-stash file holds, as Kistvar shows it: read-only facts taken
// from the game's file, never written back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kistvar::stash {

// The three tabs of the shared stash; `other` is a container number no known
// stash uses (a damaged or future file), shown without a place.
enum class Tab { gear, consumables, spells, other };

struct Item {
    std::string name;  // as the game shows it: templates applied, colour codes removed
    std::string folded_name;  // the name in lower case, as searches compare it
    Tab tab = Tab::other;
    int place = 0;  // 1..40 in its tab; 0 when unknown
    std::uint32_t level = 0;
    std::uint32_t stack = 0;
    // False for a record of a layout this reader does not know: it still
    // counts as an item, but has no name, place, level or stack.
    bool known_layout = true;
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
    bytes_left_over,  // the body holds more than its records
};

struct Contents {
    Problem problem = Problem::none;
    std::uint32_t version = 0;
    std::vector<Item> items;  // empty unless problem is none

    bool readable() const { return problem == Problem::none; }
};

// The largest file read as a stash: real ones are tens of kilobytes.
inline constexpr std::uint64_t largest_stash_size = 16u * 1024 * 1024;

}  // namespace kistvar::stash
