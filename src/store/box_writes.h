// Writing the boxes one move changes, guarded as every overwrite of a box is.
#pragma once

#include <string_view>
#include <vector>

#include "platform/files.h"
#include "store/item_moves.h"
#include "store/places.h"

namespace kistvar::store {

// One box to write: the bytes it holds now and the bytes it is to hold.
struct BoxWrite {
    std::string_view path;
    std::string_view title;
    std::string_view now;
    std::string_view meant;
};

// Backs up every box that changes (one failed backup and nothing is
// written), then writes them in the order given, each to a temporary file
// that is flushed and put in place, and reads each back. When a write fails
// or a box reads back otherwise than meant, every box written is put back
// as it was (the bytes its backup holds), the last written first. Fills
// `result`, `box`, `reason`, `backup` and `restored`; `facts` gets each
// box's facts after (zero where they cannot be had).
MoveOutcome write_boxes(const Places& places, const std::vector<BoxWrite>& writes, std::vector<FileFacts>& facts);

}  // namespace kistvar::store
