// Reads the game's shared-stash file from its bytes. Portable: every length
// and count in the file is checked against the bytes really there, so a
// damaged or hostile file gives a reason, never a crash.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "stash/stash_contents.h"

namespace kistvar::stash {

Contents read_stash(std::string_view file_bytes);

// Where one listed item's record lies in the plain body.
struct RecordSpan {
    std::size_t offset = 0;       // of the record's first byte, after its length
    std::size_t length = 0;
    std::size_t cell_offset = 0;  // of its cell, from the record's first byte
};

// The file as read, with what writing it back needs: the scramble flag, the
// plain body and the span of every listed item's record. Only moves ask for
// this; what is shown and cached is `contents` alone.
struct StashRead {
    Contents contents;
    bool scrambled = false;
    std::string body;
    std::vector<RecordSpan> spans;  // one for each of contents.items, in order
};
StashRead read_stash_for_writing(std::string_view file_bytes);

}  // namespace kistvar::stash
