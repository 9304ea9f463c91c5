// Builds shared-stash files for tests: records of any content, in the
// program's container (scramble, checksum and length footer). No file of the
// game is kept in the repository; every stash a test needs is made here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "stash/stash_contents.h"

namespace kistvar::test {

inline constexpr std::uint32_t stash_version_old = stash::version_old;
inline constexpr std::uint32_t stash_version_empty_image = stash::version_empty_image;
inline constexpr std::uint32_t stash_version_current = stash::version_current;

struct StashItem {
    std::string name;
    std::string prefix;  // template, e.g. "Red [ITEM]"
    std::string suffix;
    std::uint16_t container = 24;  // 24 gear, 25 consumables, 26 spells
    int place = 1;                  // 1..40
    std::uint32_t level = 1;
    std::uint32_t stack = 1;
    std::uint32_t mods = 0;  // mod ids (current layout only)
};
// An item of this name in a tab at a place; the rest as most items have it.
StashItem stash_item(std::string_view name, std::uint16_t container = 24, int place = 1, std::uint32_t level = 1,
                     std::uint32_t stack = 1);

// One item record in the layout of `version` (0x41 or 0x44), with a tail of
// the fields the program skips.
std::string stash_record(const StashItem& item, std::uint32_t version = stash_version_current);
// The body: item count, then each record with its length.
std::string stash_body(const std::vector<std::string>& records);
// Header, scrambled body, checksum of the plain body and the length footer;
// any body, damaged ones too.
std::string stash_container(std::string_view plain_body, std::uint32_t version = stash_version_current,
                            bool scrambled = true);
// A whole file holding these items.
std::string stash_file(const std::vector<StashItem>& items, std::uint32_t version = stash_version_current);
// A readable stash with one gear item of this name: a box whose content a
// test can tell apart from another's.
std::string stash_holding(std::string_view item_name);

}  // namespace kistvar::test
