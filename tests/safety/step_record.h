// What one user step did that the checks must know: which box files the user
// agreed to lose, which saved boxes the user renamed, which lists were filled
// afresh, and what the program showed.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "support/driver.h"

namespace kistvar::safety {

struct StepRecord {
    std::string description;
    // Native paths whose old content the user let go: a delete confirmed with
    // OK, a replace confirmed with OK.
    std::set<std::string> released_paths;
    // Contents the user's action let go outright (the game rewrote the stash).
    std::set<std::string> released_contents;
    // Contents copied by the user on purpose (a dropped file); copies of them may be anywhere.
    std::set<std::string> copied_contents;
    // Saved boxes the user asked to rename: the old path may be gone.
    std::set<std::string> renamed_saved_paths;
    // Files whose deletion an injected fault refused: a move that copied
    // such a file left it behind on purpose, so its content may be found twice.
    std::set<std::string> undeletable_paths;
    bool filled_my_list = false;
    bool filled_saved_list = false;
    std::uint64_t faults = 0;
    std::vector<test::ShownDialog> dialogs;
};

}  // namespace kistvar::safety
