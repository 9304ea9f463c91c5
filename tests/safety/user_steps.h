// The random user: one step is one thing a user does with the window (with
// every dialog it opens answered at random), a restart of the program, or
// the game rewriting its stash.
#pragma once

#include <optional>
#include <set>
#include <string>

#include "safety/step_record.h"
#include "safety/world.h"

namespace kistvar::safety {

class UserSteps {
public:
    UserSteps(World& world, Random& random) : world_(world), random_(random) {}

    // Runs one random step and says what the checks need to know of it.
    StepRecord run_one();

private:
    using Step = void (UserSteps::*)(StepRecord&);

    void select_in_a_list(StepRecord& record);
    void swap_by_button(StepRecord& record);
    void swap_by_menu(StepRecord& record);
    void double_click(StepRecord& record);
    void save_as(StepRecord& record);
    void new_box(StepRecord& record);
    void rename(StepRecord& record);
    void delete_box(StepRecord& record);
    void drop_files(StepRecord& record);
    void change_options(StepRecord& record);
    void refresh(StepRecord& record);
    void view_or_sort(StepRecord& record);
    void restart(StepRecord& record);
    void game_plays(StepRecord& record);

    // Random choices.
    int below(int bound) { return static_cast<int>(random_() % static_cast<unsigned>(bound)); }
    bool chance(int percent) { return below(100) < percent; }
    ui::ListView& some_list();
    int some_item(const ui::ListView& list);  // -1 (empty space) now and then
    std::string some_name();
    std::string some_drop_source();

    // Answers for whatever the step opens, and what they were, in order.
    void queue_answers();
    void note_confirmations(StepRecord& record);
    void release_on_confirm(const std::string& question_text, const std::string& native_path);

    World& world_;
    Random& random_;
    std::vector<int> message_answers_;
    std::vector<std::pair<std::string, std::string>> pending_releases_;  // question text, path
    std::optional<std::string> game_slot_;  // native path; set while a character is loaded
    std::set<std::string> game_states_;     // what the game loaded and wrote since
};

}  // namespace kistvar::safety
