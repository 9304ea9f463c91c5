// What one user step did that the checks must know: which box files the user
// agreed to lose, which saved boxes the user renamed, which items a move carried.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>

namespace kistvar::safety {

struct StepRecord {
    std::string description;
    // Native paths the user agreed to change: a delete or a replace confirmed
    // with OK. Their old contents must still be kept (Recycle Bin, backups).
    std::set<std::string> released_paths;
    // Contents let go outright: the game's own earlier state of its stash.
    std::set<std::string> released_contents;
    // Contents copied by the user on purpose (a dropped file); copies of them may be anywhere.
    std::set<std::string> copied_contents;
    // Saved boxes the user asked to rename: the old path may be gone.
    std::set<std::string> renamed_saved_paths;
    // Files whose deletion an injected fault refused: a move that copied
    // such a file left it behind on purpose, so its content may be found twice.
    std::set<std::string> undeletable_paths;
    // A move of an item or its undo: the boxes it may write (native paths),
    // the names of the items they held before, and whether the outcome says
    // the boxes are as meant or as before. Unsettled, an item may be in both
    // boxes, or only in a backup.
    struct ItemsMoved {
        std::set<std::string> boxes;
        std::multiset<std::string> items;
        bool settled = true;
    };
    std::optional<ItemsMoved> items_moved;
    std::uint64_t faults = 0;
    int game_writes = 0;  // times the game wrote its stash over the slot
};

}  // namespace kistvar::safety
