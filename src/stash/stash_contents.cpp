#include "stash/stash_contents.h"

#include "language/language.h"

namespace kistvar::stash {

namespace {

using T = language::Text;

language::Text problem_words(Problem problem) {
    switch (problem) {
        case Problem::none: return T::none;
        case Problem::cannot_read: return T::problem_cannot_read;
        case Problem::too_short: return T::problem_too_short;
        case Problem::too_large: return T::problem_too_large;
        case Problem::unknown_version: return T::problem_unknown_version;
        case Problem::wrong_length: return T::problem_wrong_length;
        case Problem::wrong_checksum: return T::problem_wrong_checksum;
        case Problem::damaged_record: return T::problem_damaged_record;
        case Problem::bytes_left_over: return T::problem_bytes_left_over;
    }
    return T::none;
}

language::Text tab_words(Tab tab) {
    switch (tab) {
        case Tab::gear: return T::tab_gear;
        case Tab::consumables: return T::tab_consumables;
        case Tab::spells: return T::tab_spells;
        case Tab::other: return T::none;
    }
    return T::none;
}

}  // namespace

std::string problem_text(Problem problem) { return std::string(language::text(problem_words(problem))); }

std::string tab_name(Tab tab) { return std::string(language::text(tab_words(tab))); }

}  // namespace kistvar::stash
