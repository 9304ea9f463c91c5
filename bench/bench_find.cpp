#include "bench_find.h"

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench_library.h"
#include "contents/item_search.h"
#include "platform/files.h"

namespace kistvar::bench {

namespace {

constexpr int boxes = 1000;
double search_ms(contents::ItemSearch search, stash::ContentsCache& cache, contents::BoxListing& listing,
                 std::size_t& found) {
    const auto start = std::chrono::steady_clock::now();
    // In the window's steps, each within its budget.
    for (bool done = false; !done;) {
        contents::StepBudget budget;
        done = search.step(cache, listing, budget);
    }
    found = search.found().size();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

void measure_find(const char* backend_name) {
    BenchLibrary library(0, 0);
    std::vector<contents::BoxSource> sources;
    std::size_t bytes = 0;
    for (int n = 0; n < boxes; ++n) {
        const std::string title = saved_box_title(n);
        const std::string path = library.box_folder + "\\" + title + ".bin";
        const std::string content = real_sized_box(n);
        bytes += content.size();
        if (!write_file(path, {content})) throw std::runtime_error("cannot write a box for the search");
        sources.push_back({title, path});
    }
    // Kept from one search to the next, as the contents window keeps them.
    stash::ContentsCache cache;
    contents::BoxListing listing;
    std::size_t cold_found = 0, warm_found = 0;
    const double cold = search_ms(contents::ItemSearch(sources, "зелье"), cache, listing, cold_found);
    const double warm = search_ms(contents::ItemSearch(sources, "ring of"), cache, listing, warm_found);
    if (cold_found == 0 || warm_found == 0) throw std::runtime_error("the search found nothing");
    std::fprintf(stderr, "%s find: %d boxes of %zu KB on average, %zu and %zu items found\n", backend_name, boxes,
                 bytes / boxes / 1024, cold_found, warm_found);
    std::printf("%s find_cold_ms=%.1f\n", backend_name, cold);
    std::printf("%s find_warm_ms=%.1f\n", backend_name, warm);
}

}  // namespace kistvar::bench
