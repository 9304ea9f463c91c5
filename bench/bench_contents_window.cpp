#include "bench_contents_window.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/bindings.h"
#include "bench_library.h"
#include "contents/contents_texts.h"
#include "platform/files.h"
#include "support/stash_writer.h"
#include "ui/main_window.h"

#ifdef _WIN32
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/contents_window.h"
#include "platform/win32/main_window.h"
#else
#include "platform/headless/contents_window.h"
#endif

namespace kistvar::bench {
namespace {

constexpr int boxes_per_folder = 1000;
constexpr int name_column = 1;  // after the box's column

// The longest of the timed steps, and how many there were.
struct StepClock {
    double longest_ms = 0;
    int steps = 0;

    template <typename Step>
    void time(Step&& step) {
        const auto start = std::chrono::steady_clock::now();
        step();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        longest_ms = std::max(longest_ms, ms);
        ++steps;
    }
};

// The summary says the search still reads (or still shows its finds).
bool still_reading(const ui::ContentsWindow& window) {
    const std::string progress = contents::search_progress(0, 0);
    return window.summary().rfind(progress.substr(0, progress.find('0')), 0) == 0;
}

#ifdef _WIN32
// The program's loop, each message timed, while the window is not done.
template <typename Busy>
void run_loop(App& app, StepClock& clock, Busy busy) {
    auto& window = dynamic_cast<win32::Win32MainWindow&>(app.w);
    MSG message{};
    while (busy() && GetMessageW(&message, nullptr, 0, 0) > 0) clock.time([&] { window.handle_input(message); });
}

// A click on the header, then what it leaves waiting (the list's paint).
void sort_by_name(App& app, StepClock& clock) {
    auto& contents = dynamic_cast<win32::Win32ContentsWindow&>(*app.w.箱子内容);
    NMLISTVIEW click{};
    click.hdr = {contents.list(), 0, static_cast<UINT>(LVN_COLUMNCLICK)};
    click.iSubItem = name_column;
    clock.time([&] { SendMessageW(contents.hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click)); });
    auto& window = dynamic_cast<win32::Win32MainWindow&>(app.w);
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) clock.time([&] { window.handle_input(message); });
}
#else
template <typename Busy>
void run_loop(App& app, StepClock& clock, Busy busy) {
    auto& window = dynamic_cast<headless::ContentsWindow&>(*app.w.箱子内容);
    bool stepped = true;
    while (busy() && stepped) clock.time([&] { stepped = window.run_one_step(); });
}

void sort_by_name(App& app, StepClock& clock) {
    auto& window = dynamic_cast<headless::ContentsWindow&>(*app.w.箱子内容);
    clock.time([&] { window.click_column(name_column); });
}
#endif

// Typing the letter and the steps until every find shows, then the sort.
struct Timed {
    StepClock search, sort;
    double longest_ms() const { return std::max(search.longest_ms, sort.longest_ms); }
};

Timed search_and_sort(App& app, const char* letter) {
    Timed timed;
    ui::ContentsWindow& window = *app.w.箱子内容;
    timed.search.time([&] { window.set_search_text(letter); });
    run_loop(app, timed.search, [&] { return still_reading(window); });
    if (still_reading(window)) throw std::runtime_error("the search did not end");
    sort_by_name(app, timed.sort);
    return timed;
}

// A forged box at the size limit, every record the shortest: the most items
// a box can hold, read in one step.
std::string largest_box() {
    const std::string record = test::stash_record(test::stash_item("x"));
    std::vector<std::string> records((stash::largest_stash_size - 64) / (record.size() + 4), record);
    return test::stash_container(test::stash_body(records));
}

// Selecting that box: its steps until every item is a row.
StepClock select_largest_box(App& app, const BenchLibrary& library) {
    if (!write_file(library.box_folder + "\\largest.bin", {largest_box()}))
        throw std::runtime_error("cannot write the largest box");
    app.w.超级按钮刷新->on_click();
    ui::ListView& saved = *app.w.超级列表框保存箱子;
    StepClock clock;
    clock.time([&] {
        saved.set_focus();
        saved.set_selected_item(saved.find_item("largest"));
    });
    const contents::WindowState& shown = app.state.contents_window;
    run_loop(app, clock, [&] { return !shown.left.contents || shown.rows_made < shown.left.contents->items.size(); });
    if (!shown.left.contents || shown.left.contents->items.empty()) throw std::runtime_error("the largest box was not read");
    return clock;
}

}  // namespace

void measure_contents_window(const char* backend_name, const StartProgram& start) {
    BenchLibrary library(boxes_per_folder, boxes_per_folder);
    for (int n = 0; n < 2 * boxes_per_folder; ++n) {
        const bool mine = n < boxes_per_folder;
        const std::string path = mine ? library.my_boxes_folder + "\\" + my_box_title(n) + ".bin"
                                      : library.box_folder + "\\" + saved_box_title(n - boxes_per_folder) + ".bin";
        if (!write_file(path, {real_sized_box(n)})) throw std::runtime_error("cannot write a box for the window");
    }
    std::unique_ptr<ui::MainWindow> window = ui::create_main_window();
    App app{State{}, *window};
    bind_events(app);
    start(app, library);
    app.w.超级按钮内容->on_click();

    const auto begin = std::chrono::steady_clock::now();
    const Timed cold = search_and_sort(app, "a");
    const double cold_s = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    const std::size_t finds = app.w.箱子内容->shown_rows().size();
    app.w.箱子内容->set_search_text("");
    const Timed warm = search_and_sort(app, "a");
    if (finds < 10000 || app.w.箱子内容->shown_rows().size() != finds)
        throw std::runtime_error("the window does not show the finds");
    std::fprintf(stderr,
                 "%s contents window: %zu finds in %d boxes; cold search %.2f s in %d steps, longest %.1f ms, "
                 "sort %.1f ms; warm search %d steps, longest %.1f ms, sort %.1f ms\n",
                 backend_name, finds, 2 * boxes_per_folder, cold_s, cold.search.steps, cold.search.longest_ms,
                 cold.sort.longest_ms, warm.search.steps, warm.search.longest_ms, warm.sort.longest_ms);
    app.w.箱子内容->set_search_text("");
    const StepClock largest = select_largest_box(app, library);
    std::fprintf(stderr, "%s contents window: a box at the size limit (%zu items) shown in %d steps, longest %.1f ms\n",
                 backend_name, app.state.contents_window.left.contents->items.size(), largest.steps,
                 largest.longest_ms);
    std::printf("%s longest_step_ms=%.1f (goal <= 50)\n", backend_name, std::max(cold.longest_ms(), warm.longest_ms()));
    std::fflush(stdout);
}

}  // namespace kistvar::bench
