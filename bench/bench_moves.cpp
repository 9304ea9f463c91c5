#include "bench_moves.h"

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench_library.h"
#include "bench_timing.h"
#include "platform/files.h"
#include "store/backups.h"
#include "store/item_moves.h"

namespace kistvar::bench {

namespace {

constexpr int moves_per_round = 20;

void require(bool condition, const char* what) {
    if (!condition) throw std::runtime_error(std::string("move benchmark: ") + what);
}

// Two boxes in MYBOX and one item that goes back and forth between them, to
// the first free place of its tab on the other side.
class MovingItem {
public:
    explicit MovingItem(const BenchLibrary& library)
        : places_{library.save_folder, library.box_folder, "sharedstash_v2.bin",
                  library.program_folder + "\\MYBOX.ini", first_box_in_use} {
        for (int n = 0; n < 2; ++n) {
            ViewedBox& box = boxes_[n];
            box = {library.my_boxes_folder + "\\" + my_box_title(n) + ".bin", my_box_title(n), {}};
            require(write_file_atomically(box.path, real_sized_box(n)) && file_facts(box.path, box.seen),
                    "cannot write the boxes");
        }
    }

    void move() {
        const store::MoveOutcome outcome =
            store::move_item(places_, boxes_[from_], cell_, boxes_[1 - from_], std::nullopt);
        require(outcome.moved(), "the item did not move");
        boxes_[from_].seen = outcome.source_now;
        boxes_[1 - from_].seen = outcome.target_now;
        cell_ = outcome.item_now;
        from_ = 1 - from_;
    }

    const store::Places& places() const { return places_; }
    const std::string& a_box() const { return boxes_[0].path; }

private:
    using ViewedBox = store::ViewedBox;
    store::Places places_;
    ViewedBox boxes_[2];
    store::Cell cell_{stash::Tab::gear, 1};
    int from_ = 0;
};

}  // namespace

void measure_moves(const char* backend_name, int rounds) {
    BenchLibrary library(0, 0);
    MovingItem item(library);
    // The backups folder as it is after a while of use: full, so that every
    // backup also removes the oldest.
    for (int n = 0; n < store::backups_kept / 2; ++n) item.move();

    std::string content;
    require(read_whole_file(item.a_box(), content), "cannot read a box");
    const std::string probe = library.my_boxes_folder + "\\durable write probe.bin";
    std::vector<double> moves, writes, backups;
    for (int round = 0; round < rounds; ++round) {
        // Interleaved one by one, so that a burst of other work on the disk
        // falls on the moves and on the writes they are measured against alike.
        double moving = 0, writing = 0, backing_up = 0;
        for (int n = 0; n < moves_per_round; ++n) {
            moving += seconds_of([&] { item.move(); });
            writing += seconds_of([&] {
                for (int w = 0; w < 4; ++w) require(write_file_atomically(probe, content), "write failed");
            });
            // What the move's two backups alone cost, the oldest removed each time.
            backing_up += seconds_of([&] {
                for (int b = 0; b < 2; ++b)
                    require(!store::back_up_box(item.places(), item.a_box(), "A").failed(), "backup failed");
            });
        }
        moves.push_back(moving);
        writes.push_back(writing);
        backups.push_back(backing_up);
    }
    const double move_time = median(moves), write_time = median(writes);
    std::fprintf(stderr, "%s move: %d moves between two %zu KB boxes %.1f ms, %d durable writes %.1f ms; their "
                 "%d backups alone %.1f ms (medians of %d)\n", backend_name, moves_per_round, content.size() / 1024,
                 move_time * 1e3, 4 * moves_per_round, write_time * 1e3, 2 * moves_per_round, median(backups) * 1e3,
                 rounds);
    std::printf("%s move_ratio=%.2f (goal <= 1.5)\n", backend_name, move_time / write_time);
    std::fflush(stdout);
}

}  // namespace kistvar::bench
