#include "contents/contents_texts.h"

#include "language/language.h"

namespace kistvar::contents {

namespace {

constexpr std::size_t names_in_tip = 6;

std::string number(std::size_t n) { return std::to_string(n); }

using language::text;
using T = language::Text;

T problem_words(stash::Problem problem) {
    using stash::Problem;
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

T tab_words(stash::Tab tab) {
    using stash::Tab;
    switch (tab) {
        case Tab::gear: return T::tab_gear;
        case Tab::consumables: return T::tab_consumables;
        case Tab::spells: return T::tab_spells;
        case Tab::other: return T::none;
    }
    return T::none;
}

// "，另有 <k> 条物品记录无法读取（<reason>）".
std::string damage_text(const stash::Contents& contents) {
    return text(T::summary_damaged_records, {{"count", number(contents.damaged_records)},
                                             {"reason", problem_text(stash::Problem::damaged_record)}});
}

}  // namespace

std::string problem_text(stash::Problem problem) { return std::string(text(problem_words(problem))); }

std::string tab_name(stash::Tab tab) { return std::string(text(tab_words(tab))); }

std::string box_summary(std::string_view title, const stash::Contents& contents) {
    if (!contents.readable())
        return text(T::summary_unreadable, {{"title", title}, {"reason", problem_text(contents.problem)}});
    if (contents.item_count() == 0 && !contents.damaged()) return text(T::summary_empty, {{"title", title}});
    std::size_t gear = 0, consumables = 0, spells = 0;
    for (const stash::Item& item : contents.items) {
        gear += item.tab == stash::Tab::gear;
        consumables += item.tab == stash::Tab::consumables;
        spells += item.tab == stash::Tab::spells;
    }
    std::string summary = text(T::summary_items, {{"title", title},
                                                  {"count", number(contents.item_count())},
                                                  {"gear", number(gear)},
                                                  {"consumables", number(consumables)},
                                                  {"spells", number(spells)}});
    if (contents.damaged()) summary += damage_text(contents);
    return summary;
}

std::string box_reading_summary(std::string_view title) { return text(T::summary_reading, {{"title", title}}); }

std::string search_summary(std::size_t items, std::size_t boxes) {
    return text(T::search_summary, {{"items", number(items)}, {"boxes", number(boxes)}});
}

std::string search_progress(std::size_t boxes_done, std::size_t boxes) {
    return text(T::search_progress, {{"done", number(boxes_done)}, {"count", number(boxes)}});
}

std::string place_text(const stash::Item& item) {
    if (item.tab == stash::Tab::other || item.place == 0) return {};
    return text(T::place, {{"tab", tab_name(item.tab)}, {"place", number(static_cast<std::size_t>(item.place))}});
}

std::string box_tip(std::string_view title, const stash::Contents& contents) {
    if (!contents.readable() || contents.items.empty() || contents.damaged()) return box_summary(title, contents);
    std::string tip = text(T::tip_items, {{"count", number(contents.items.size())}});
    for (std::size_t i = 0; i < contents.items.size() && i < names_in_tip; ++i)
        tip += (i ? std::string(text(T::tip_separator)) : std::string()) + contents.items[i].name;
    if (contents.items.size() > names_in_tip) tip += "…";
    return tip;
}

std::string reading_tip() { return std::string(text(T::tip_reading)); }

}  // namespace kistvar::contents
