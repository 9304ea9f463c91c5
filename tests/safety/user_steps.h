// The random user: one step is one thing a user does that reaches the disk,
// as the window would ask the box store for it (with every question the
// window would ask answered at random), a restart of the program, or the
// game rewriting its stash.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "safety/step_record.h"
#include "safety/world.h"
#include "store/item_moves.h"
#include "store/places.h"

namespace kistvar::safety {

class UserSteps {
public:
    UserSteps(World& world, Random& random) : world_(world), random_(random) {}

    // Runs one random step and says what the checks need to know of it.
    StepRecord run_one();

private:
    using Step = void (UserSteps::*)(StepRecord&);

    void swap(StepRecord& record);
    void save_as(StepRecord& record);
    void new_box(StepRecord& record);
    void rename(StepRecord& record);
    void delete_box(StepRecord& record);
    void drop_files(StepRecord& record);
    void change_options(StepRecord& record);
    void restart(StepRecord& record);
    void game_plays(StepRecord& record);
    void move_item(StepRecord& record);
    void undo_move(StepRecord& record);

    // A box as the lists would show it, picked by the user.
    struct Box {
        store::BoxKind kind;
        std::string title;
    };
    std::optional<Box> some_box();  // nothing now and then, as a click on empty space
    std::string some_name();
    std::string some_drop_source();
    std::string native_file_of(const Box& box) const;
    // The box as the contents window read it, now or (now and then) before
    // its file last changed.
    store::ViewedBox viewed(const Box& box);
    // Whether the player lets a write of these files go ahead: while the game
    // runs, one into the slot first asks, and Cancel stops it.
    bool let_write(const std::vector<std::string>& program_paths, StepRecord& record);
    // What a move or undo of these boxes carries; then, what its outcome says.
    void note_items(const std::vector<std::string>& program_paths, StepRecord& record) const;
    void note_outcome(const store::MoveOutcome& outcome, StepRecord& record);
    // What the options page does when it opens and after Save or Cancel.
    void reload_settings();

    // Random choices.
    int below(int bound) { return static_cast<int>(random_() % static_cast<unsigned>(bound)); }
    bool chance(int percent) { return below(100) < percent; }

    World& world_;
    Random& random_;
    std::optional<std::string> game_slot_;  // native path; set while a character is loaded
    std::set<std::string> game_states_;     // what the game loaded and wrote since
    std::vector<store::MoveRecord> moves_;  // what undo may take back, the last move last
};

}  // namespace kistvar::safety
