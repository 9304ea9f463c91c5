// Letter case in file names on the headless backend: Unicode's simple case
// folding of each UTF-16 unit, the rule Windows' file systems follow.
#include <algorithm>
#include <cstdint>
#include <iterator>

#include "platform/file_names.h"
#include "platform/text.h"

namespace kistvar {

namespace {

struct FoldingRun {
    std::uint16_t first, last, step;
    std::int32_t delta;
};

#include "platform/posix/case_folding_table.inc"

char32_t folded(char32_t c) {
    if (c > 0xFFFF) return c;  // two units, neither of them a letter
    const FoldingRun* run = std::upper_bound(std::begin(folding_runs), std::end(folding_runs), c,
                                             [](char32_t code, const FoldingRun& r) { return code < r.first; });
    if (run == std::begin(folding_runs)) return c;
    --run;
    if (c > run->last || (c - run->first) % run->step != 0) return c;
    return static_cast<char32_t>(static_cast<std::int32_t>(c) + run->delta);
}

}  // namespace

bool same_file_name(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size())
        if (folded(next_code_point(a, i)) != folded(next_code_point(b, j))) return false;
    return i == a.size() && j == b.size();
}

}  // namespace kistvar
