// One item record of the stash body, of the layouts this reader knows.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "stash/stash_contents.h"

namespace kistvar::stash {

// True for the versions whose record layout is known (0x41 and 0x44).
bool knows_record_layout(std::uint32_t version);

// The item of one record, or nothing when a field runs past the record.
std::optional<Item> read_item_record(std::string_view record, std::uint32_t version);

}  // namespace kistvar::stash
