// The moves of this run that undo can take back, the last first: a hundred
// at most, the oldest forgotten past that.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "store/item_moves.h"

namespace kistvar::contents {

struct MadeMove {
    store::MoveRecord record;
    std::string item;                      // the moved item's name
    std::optional<std::string> exchanged;  // the name of the item it changed places with
};

class MoveHistory {
public:
    static constexpr std::size_t kept = 100;

    void remember(MadeMove move) {
        moves_.push_back(std::move(move));
        if (moves_.size() > kept) moves_.pop_front();
    }
    bool empty() const { return moves_.empty(); }
    const MadeMove& last() const { return moves_.back(); }
    void forget_last() { moves_.pop_back(); }

private:
    std::deque<MadeMove> moves_;
};

}  // namespace kistvar::contents
