// Random sequences of user steps, each a call of the box store, with file
// calls failing at random: after every step no box may be lost (see
// box_checks.h).
//
// KISTVAR_SAFETY_SEED=<n> replays one sequence and prints its steps;
// KISTVAR_SAFETY_SEQUENCES=<n> runs more (or fewer) than the default.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <set>

#include "platform/fault_seam.h"
#include "safety/box_checks.h"
#include "safety/disk_snapshot.h"
#include "safety/user_steps.h"
#include "safety/world.h"

namespace kistvar::safety {
namespace {

constexpr std::uint64_t default_sequences = 10000;
constexpr int shortest_sequence = 30;
constexpr int longest_sequence = 34;
constexpr int failing_seeds_shown = 5;

std::optional<std::uint64_t> from_environment(const char* name) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') return std::nullopt;
    return std::strtoull(text, nullptr, 10);
}

struct Totals {
    std::uint64_t sequences = 0, steps = 0, faults = 0, game_writes = 0;
    int lost = 0;
};

// Each call of the file layer fails with the sequence's chance; a third of
// the sequences run without faults, so the plain paths get their share.
// Reads of MYBOX.ini fail only on request (KISTVAR_SAFETY_READ_FAULTS=1): a
// start whose read fails asks Retry/Cancel, which the random answers turn
// into many restarts.
const bool settings_read_faults = std::getenv("KISTVAR_SAFETY_READ_FAULTS") != nullptr;

// Failed deletions are noted in `undeletable` (native paths), every failed
// call in `failed`.
void arm_faults(Random& random, int percent, std::set<std::string>& undeletable, std::vector<std::string>& failed) {
    const std::uint64_t seed = random();
    fault_seam::arm([generator = Random(seed), percent, &undeletable, &failed](
                        fault_seam::FileCall call, std::string_view path, std::uint64_t) mutable {
        if (static_cast<int>(generator() % 100) >= percent) return false;
        if (call == fault_seam::FileCall::read_file && !settings_read_faults) return false;
        failed.push_back(std::string(fault_seam::name_of(call)) + " " + std::string(path));
        if (call == fault_seam::FileCall::delete_file) {
            std::string native(path);
            for (char& c : native)
                if (c == '\\') c = '/';
            undeletable.insert(native);
        }
        return true;
    });
}

// Runs one sequence; returns its problems, each prefixed with the step.
std::vector<std::string> run_sequence(World& world, std::uint64_t seed, bool verbose, Totals& totals) {
    Random random(seed);
    world.populate(random);
    world.start_program();
    static constexpr int fault_percents[] = {0, 0, 2, 5, 10, 25};
    const int fault_percent = fault_percents[random() % std::size(fault_percents)];
    const int steps = shortest_sequence + static_cast<int>(random() % (longest_sequence - shortest_sequence + 1));

    UserSteps user(world, random);
    BoxChecks checks(world);
    // The program folder holds no box, and the program never writes the
    // folder of files to drop: one look at it per sequence is enough.
    const std::vector<std::string> not_watched = {world.program_folder.native, world.outside.native};
    checks.begin(take_snapshot(world.root()));
    DiskSnapshot before = take_snapshot(world.root(), not_watched);
    std::vector<std::string> problems;
    for (int number = 1; number <= steps && problems.empty(); ++number) {
        std::set<std::string> undeletable;
        std::vector<std::string> failed;
        arm_faults(random, fault_percent, undeletable, failed);
        StepRecord step = user.run_one();
        step.undeletable_paths = std::move(undeletable);
        step.faults = fault_seam::failures_made();
        fault_seam::disarm();

        DiskSnapshot after = take_snapshot(world.root(), not_watched);
        std::vector<std::string> found = checks.after_step(before, after, step, totals.lost);
        ++totals.steps;
        totals.faults += step.faults;
        totals.game_writes += step.game_writes;
        if (verbose)
            std::cout << "step " << number << ": " << step.description << " (" << step.faults << " faults, marker \""
                      << world.marker() << "\")\n";
        if (verbose)
            for (const auto& call : failed) std::cout << "    failed: " << call.substr(0, 40) << "..." << call.substr(call.size() - std::min<std::size_t>(call.size(), 40)) << "\n";
        for (const std::string& problem : found)
            problems.push_back("step " + std::to_string(number) + " (" + step.description + "): " + problem);
        before = std::move(after);
    }
    ++totals.sequences;
    return problems;
}

TEST(NothingLost, RandomUserStepsWithFailingFileCallsLoseNoBox) {
    World world;
    Totals totals;
    const std::optional<std::uint64_t> one_seed = from_environment("KISTVAR_SAFETY_SEED");
    const std::uint64_t sequences = from_environment("KISTVAR_SAFETY_SEQUENCES").value_or(default_sequences);
    const std::uint64_t first = one_seed.value_or(1);
    const std::uint64_t last = one_seed ? first : first + sequences - 1;

    int failing = 0;
    for (std::uint64_t seed = first; seed <= last; ++seed) {
        std::vector<std::string> problems = run_sequence(world, seed, one_seed.has_value(), totals);
        if (problems.empty()) continue;
        if (++failing <= failing_seeds_shown) {
            std::string report;
            for (const auto& problem : problems) report += "\n  " + problem;
            ADD_FAILURE() << "seed " << seed << " (replay: KISTVAR_SAFETY_SEED=" << seed << ")" << report;
        }
    }
    EXPECT_EQ(failing, 0) << "sequences with problems";
    EXPECT_EQ(totals.lost, 0);
    std::cout << "sequences=" << totals.sequences << " steps=" << totals.steps << " faults=" << totals.faults
              << " game_writes=" << totals.game_writes << " lost=" << totals.lost << std::endl;
}

}  // namespace
}  // namespace kistvar::safety
