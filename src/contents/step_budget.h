// How much one step of the message loop may do for the contents window, so
// that the window answers between steps however large the library: bytes of
// box files read, item names compared, rows made for the list, folder
// entries listed. Each kind has its own limit, set so that none takes more
// than a few milliseconds; what is left waits for the next step.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace kistvar::contents {

class StepBudget {
public:
    enum Kind { bytes_read, names_compared, rows_made, entries_listed, kinds };
    using Limits = std::array<std::uint64_t, kinds>;

    // About 2 MB of boxes, a few hundred thousand names, a few thousand rows
    // and as many folder entries.
    static constexpr Limits per_step = {2u * 1024 * 1024, 200000, 5000, 2000};

    explicit StepBudget(const Limits& limits = per_step) : limits_(limits) {}

    // What reading a file takes of the bytes: its size, but at least 64 KB.
    // Under Wine a step of 62 boxes of 32 KB took 16 to 35 ms (4 to 9 ms
    // headless): opening a file costs there about what reading 200 KB does.
    static std::uint64_t read_cost(std::uint64_t size) { return std::max<std::uint64_t>(size, 64 * 1024); }

    // Whether `amount` more of a kind fits in this step. The first of a kind
    // always fits, so every step moves on: one box larger than the limit is
    // read alone in its step.
    bool fits(Kind kind, std::uint64_t amount) const {
        return spent_[kind] == 0 || spent_[kind] + amount <= limits_[kind];
    }
    void spend(Kind kind, std::uint64_t amount) { spent_[kind] += amount; }
    // More was spent than the limit: one box larger than it was read.
    bool overdrawn(Kind kind) const { return spent_[kind] > limits_[kind]; }

private:
    Limits limits_;
    Limits spent_{};
};

}  // namespace kistvar::contents
