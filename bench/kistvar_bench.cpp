// Measures the two operations a large library makes slow, each against the
// bare file-system work it cannot avoid, in the same run on the same disk:
//   fill_ratio: filling both lists / listing both box folders;
//   swap_ratio: 1,000 swaps between my boxes / 1,000 renames of one file;
//   swap_limit_ratio: the same swaps / (2 x 1,000 renames + 1,000 durable
//   writes of the in-use marker + 1,000 durable writes of a box-sized file,
//   its backup), the least a crash-safe swap must do.
// The swaps and what they are compared with take turns within each round.
// Prints "<backend> fill_ratio=<x>", "<backend> swap_ratio=<y>" and
// "<backend> swap_limit_ratio=<z> (goal <= 1.2)" (medians of several
// repetitions); the absolute times go to the error stream. The start is
// measured apart, by tools/starttime.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/bindings.h"
#include "bench_contents_window.h"
#include "bench_find.h"
#include "bench_library.h"
#include "bench_moves.h"
#include "bench_timing.h"
#include "library/box_lists.h"
#include "library/swap.h"
#include "options/window_settings.h"
#include "platform/files.h"
#include "platform/settings_file.h"
#include "settings/setting_keys.h"
#include "settings/settings_procedures.h"
#include "store/places.h"
#include "ui/item_pictures.h"
#include "ui/main_window.h"

namespace kistvar::bench {
namespace {

#ifdef _WIN32
constexpr const char* backend_name = "win32";
#else
constexpr const char* backend_name = "headless";
#endif

constexpr int boxes_per_folder = 10000;
constexpr int operations_per_round = 1000;

struct Options {
    int fill_rounds = 7;
    int swap_rounds = 5;
    int move_rounds = 7;
    bool contents_only = false;  // the search and the contents window alone
};

Options read_options(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--fill-rounds=", 0) == 0)
            options.fill_rounds = std::max(1, std::atoi(arg.c_str() + 14));
        else if (arg.rfind("--swap-rounds=", 0) == 0)
            options.swap_rounds = std::max(1, std::atoi(arg.c_str() + 14));
        else if (arg.rfind("--move-rounds=", 0) == 0)
            options.move_rounds = std::max(1, std::atoi(arg.c_str() + 14));
        else if (arg == "--contents-only")
            options.contents_only = true;
        else
            throw std::runtime_error("usage: kistvar_bench [--fill-rounds=N] [--swap-rounds=N] "
                                     "[--move-rounds=N] [--contents-only]");
    }
    return options;
}

void require(bool condition, const char* what) {
    if (!condition) throw std::runtime_error(std::string("benchmark setup broken: ") + what);
}

// What any program showing the library must at least do: list both folders.
int list_box_folders(const BenchLibrary& library) {
    int found = 0;
    for (const std::string* folder : {&library.my_boxes_folder, &library.box_folder}) {
        SearchHandle search;
        for (std::string name = find_file(*folder + "\\*.bin", 0, true, search); !name.empty();
             name = find_file("", 0, true, search))
            ++found;
    }
    return found;
}

// MYBOX.ini as the options page would have stored it, so the start needs no
// first-run prompt; messages are off so that no swap waits for a click.
void write_settings(const App& app, const BenchLibrary& library) {
    namespace keys = setting_keys;
    const std::string& file = app.state.settings_file_path;
    auto put = [&](const keys::Key& key, const std::string& value) {
        require(write_setting(file, key.section, key.name, value), "cannot write MYBOX.ini");
    };
    put(keys::save_folder, library.save_folder);
    put(keys::box_folder, library.box_folder);
    put(keys::in_use_marker, first_box_in_use);
    put(keys::quiet, "1");
}

// The created step of the program, less the first-run prompt and the readme:
// settings, both lists, the focus on my boxes (which makes it the current list).
void start(App& app, const BenchLibrary& library) {
    app.state.settings_file_path = library.program_folder + "\\MYBOX.ini";
    write_settings(app, library);
    load_settings(app);
    const std::string content = std::string("stash of ") + first_box_in_use;
    require(write_file(store::stash_file(app.state.places()), {content}), "cannot write the stash file");
    refresh_both_lists(app);
    app.w.超级列表框我的箱子->set_focus();
    require(app.quiet(), "messages are not off");
    require(app.state.current_list == app.w.超级列表框我的箱子.get(), "the focus did not make my boxes current");
}

void measure_fill(App& app, const BenchLibrary& library, int rounds) {
    std::vector<double> fills, scans;
    for (int round = 0; round < rounds; ++round) {
        int found = 0;
        scans.push_back(seconds_of([&] { found = list_box_folders(library); }));
        require(found == 2 * boxes_per_folder, "the folders do not hold the boxes");
        fills.push_back(seconds_of([&] { refresh_both_lists(app); }));
        require(app.w.超级列表框我的箱子->item_count() == boxes_per_folder + 1 &&
                    app.w.超级列表框保存箱子->item_count() == boxes_per_folder,
                "the lists do not show every box");
    }
    const double fill = median(fills), scan = median(scans);
    std::fprintf(stderr, "%s fill: both lists %.1f ms, listing both folders %.1f ms (medians of %d)\n",
                 backend_name, fill * 1e3, scan * 1e3, rounds);
    std::printf("%s fill_ratio=%.2f (goal <= 1.5)\n", backend_name, fill / scan);
    std::fflush(stdout);
}

void measure_swap(App& app, const BenchLibrary& library, int rounds) {
    ui::ListView& my_list = *app.w.超级列表框我的箱子;
    // The two boxes swapped in turn, from the middle and the end of the list,
    // as the in-use box is looked up by title; items keep their places.
    const std::string titles[2] = {my_box_title(boxes_per_folder / 2), my_box_title(boxes_per_folder - 1)};
    const int items[2] = {my_list.find_item(titles[0]), my_list.find_item(titles[1])};
    require(items[0] >= 0 && items[1] >= 0, "the boxes to swap are not listed");

    // Renamed in the same crowded folder the swaps move boxes in and out of.
    const std::string probe = library.my_boxes_folder + "\\rename probe.tmp";
    const std::string probe_renamed = library.my_boxes_folder + "\\renamed probe.tmp";
    require(write_file(probe, {"probe"}), "cannot write the rename probe");

    // A box-sized file written durably, as a backup is, in a small folder as
    // the backups folder is.
    std::string box_bytes;
    require(read_whole_file(store::my_box_file(app.state.places(), titles[0]), box_bytes), "cannot read a box");
    const std::string box_probe = library.program_folder + "\\box probe.bin";

    // Each round takes turns in steps of a few dozen operations, so that a
    // change in the machine's load weighs on the swaps and on their floor
    // alike; the ratios are taken within each round, then their median.
    constexpr int step = 50;
    std::vector<double> swaps, picks, renames, marker_writes, box_writes, swap_ratios, limit_ratios;
    for (int round = 0; round < rounds; ++round) {
        double renaming = 0, swapping = 0, picking = 0, marking = 0, writing = 0;
        for (int first = 0; first < operations_per_round; first += step) {
            renaming += seconds_of([&] {
                for (int n = first; n < first + step; ++n) {
                    const bool there = n % 2 == 0;
                    require(rename_file(there ? probe : probe_renamed, there ? probe_renamed : probe), "rename failed");
                }
            });
            // The clicks that pick the box are the player's, not the swap's:
            // only the swaps themselves are timed, the picking beside them.
            double swapped = 0;
            picking += seconds_of([&] {
                for (int n = first; n < first + step; ++n) {
                    my_list.set_selected_item(items[n % 2]);
                    my_list.set_focus();
                    swapped += seconds_of([&] { swap(app); });
                }
            }) - swapped;
            swapping += swapped;
            // A step (an even count) ends with the second box in.
            require(app.state.paths[in_use_marker] == titles[1] && shows_in_use(my_list, items[1]) &&
                        !shows_in_use(my_list, items[0]) &&
                        file_exists(store::my_box_file(app.state.places(), titles[0])) &&
                        !file_exists(store::my_box_file(app.state.places(), titles[1])),
                    "the swaps did not happen");
            // The part of every swap that no list can speed up: the in-use
            // marker written to MYBOX.ini so that a crash cannot lose it. The
            // last write leaves the marker as the swaps did.
            marking += seconds_of([&] {
                for (int n = first; n < first + step; ++n) {
                    app.state.paths[in_use_marker] = titles[n % 2];
                    write_in_use_marker(app.state.settings_file_path, app.state.paths[in_use_marker]);
                }
            });
            writing += seconds_of([&] {
                for (int n = first; n < first + step; ++n)
                    require(write_file_atomically(box_probe, box_bytes), "cannot write the box probe");
            });
        }
        renames.push_back(renaming);
        swaps.push_back(swapping);
        picks.push_back(picking);
        marker_writes.push_back(marking);
        box_writes.push_back(writing);
        swap_ratios.push_back(swapping / renaming);
        // A crash-safe swap cannot do with less than two renames and two
        // durable writes, the marker and the backup of the box that enters
        // the slot; what it costs beyond that is the program's own.
        limit_ratios.push_back(swapping / (2 * renaming + marking + writing));
    }
    std::fprintf(stderr, "%s swap: %d swaps %.1f ms (picking the boxes beside them %.1f ms), %d renames %.1f ms, "
                 "%d in-use marker writes %.1f ms, %d box-sized writes %.1f ms (medians of %d)\n", backend_name,
                 operations_per_round, median(swaps) * 1e3, median(picks) * 1e3, operations_per_round,
                 median(renames) * 1e3, operations_per_round, median(marker_writes) * 1e3, operations_per_round,
                 median(box_writes) * 1e3, rounds);
    std::printf("%s swap_ratio=%.2f\n", backend_name, median(swap_ratios));
    std::printf("%s swap_limit_ratio=%.2f (goal <= 1.2)\n", backend_name, median(limit_ratios));
    std::fflush(stdout);
}

int run(int argc, char** argv) {
    const Options options = read_options(argc, argv);
    if (options.contents_only) {
        measure_find(backend_name);
        measure_contents_window(backend_name, start);
        return 0;
    }
    BenchLibrary library(boxes_per_folder, boxes_per_folder);
    std::unique_ptr<ui::MainWindow> window = ui::create_main_window();
    App app{State{}, *window};
    bind_events(app);
    start(app, library);
    measure_fill(app, library, options.fill_rounds);
    measure_swap(app, library, options.swap_rounds);
    measure_find(backend_name);
    measure_moves(backend_name, options.move_rounds);
    measure_contents_window(backend_name, start);
    return 0;
}

}  // namespace
}  // namespace kistvar::bench

int main(int argc, char** argv) {
    try {
        return kistvar::bench::run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kistvar_bench: %s\n", error.what());
        return 1;
    }
}
