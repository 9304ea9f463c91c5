#include "store/item_moves.h"

#include <array>
#include <vector>

#include "platform/text.h"
#include "stash/stash_records.h"
#include "stash/stash_writer.h"
#include "store/box_writes.h"

namespace kistvar::store {

namespace {

constexpr int places_per_tab = 40;

// A box read to be written: its bytes and its records.
struct OpenBox {
    std::string bytes;
    std::optional<stash::StashRecords> records;
};

MoveOutcome refused(MoveResult result, std::string_view box, stash::Problem problem = stash::Problem::none) {
    MoveOutcome outcome;
    outcome.result = result;
    outcome.box = box;
    outcome.problem = problem;
    return outcome;
}

// FNV-1a: tells the bytes a move wrote from any others a program wrote since
// within the same tick of the write time.
std::uint64_t content_hash(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return hash;
}

bool same_file(std::string_view a, std::string_view b) { return compare_text(a, b, false) == 0; }

// Reads a box that is to be written, if it is still as expected: a move's
// box with the facts the window read it with, an undo's with the bytes the
// move left (written anew by an undo of a later move, it has new facts but
// the same bytes); the refusal otherwise.
std::optional<MoveOutcome> open_box(std::string_view path, std::string_view title,
                                    std::optional<FileFacts> expected_facts, std::optional<std::uint64_t> expected_hash,
                                    OpenBox& box) {
    FileFacts now;
    if (!file_facts(path, now))
        return last_failure_was_missing() ? refused(MoveResult::stale, title)
                                          : refused(MoveResult::not_writable, title, stash::Problem::cannot_read);
    if (expected_facts && now != *expected_facts) return refused(MoveResult::stale, title);
    if (now.size > stash::largest_stash_size)
        return refused(MoveResult::not_writable, title, stash::Problem::too_large);
    if (!read_file_up_to(path, stash::largest_stash_size, box.bytes))
        return refused(MoveResult::not_writable, title, stash::Problem::cannot_read);
    if (expected_hash && content_hash(box.bytes) != *expected_hash) return refused(MoveResult::stale, title);
    stash::RecordsRead read = stash::read_stash_records(box.bytes);
    if (!read.records) return refused(MoveResult::not_writable, title, read.refusal);
    box.records = std::move(read.records);
    return std::nullopt;
}

bool holds_at(const stash::StashRecords& box, std::size_t index, Cell cell) {
    if (index >= box.records().size()) return false;
    const stash::Item& item = box.records()[index].item();
    return item.tab == cell.tab && item.place == cell.place;
}

// The index of the record at `cell`, if one is there.
std::optional<std::size_t> record_at(const stash::StashRecords& box, Cell cell) {
    for (std::size_t i = 0; i < box.records().size(); ++i)
        if (holds_at(box, i, cell)) return i;
    return std::nullopt;
}

std::optional<int> first_free_place(const stash::StashRecords& box, stash::Tab tab) {
    std::array<bool, places_per_tab + 1> taken{};
    for (const stash::Record& record : box.records())
        if (record.item().tab == tab && record.item().place >= 1 && record.item().place <= places_per_tab)
            taken[static_cast<std::size_t>(record.item().place)] = true;
    for (int place = 1; place <= places_per_tab; ++place)
        if (!taken[static_cast<std::size_t>(place)]) return place;
    return std::nullopt;
}

bool is_empty_image(const stash::StashRecords& box) {
    return box.version() == stash::version_empty_image && box.records().empty();
}

// Moves the item's record (record.item_was_at in `source`) to record.to, and
// a record there to record.from; notes where the records went. An exchange
// between two boxes puts each record at the index the other had.
bool place_item(stash::StashRecords& source, stash::StashRecords& target, bool one_box,
                std::optional<std::size_t> occupant, MoveRecord& record) {
    const std::size_t item = record.item_was_at;
    if (one_box) {
        record.item_is_at = item;
        if (occupant == item) return true;  // dropped on its own cell
        record.exchanged_is_at = occupant;
        return source.set_place(item, record.to.place) && (!occupant || source.set_place(*occupant, record.from.place));
    }
    stash::Record moving = source.take(item);
    if (!occupant) {
        record.item_is_at = target.records().size();
        return target.put(std::move(moving), record.to.place);
    }
    stash::Record other = target.take(*occupant);
    record.item_is_at = *occupant;
    record.exchanged_is_at = item;
    return target.put(std::move(moving), record.to.place, *occupant) &&
           source.put(std::move(other), record.from.place, item);
}

// The inverse of place_item on the boxes as the move left them.
bool take_back(stash::StashRecords& source, stash::StashRecords& target, bool one_box, const MoveRecord& record) {
    if (!holds_at(target, record.item_is_at, record.to)) return false;
    if (record.exchanged_is_at && !holds_at(source, *record.exchanged_is_at, record.from)) return false;
    if (one_box)
        return source.set_place(record.item_is_at, record.from.place) &&
               (!record.exchanged_is_at || source.set_place(*record.exchanged_is_at, record.to.place));
    stash::Record item = target.take(record.item_is_at);
    if (record.exchanged_is_at) {
        stash::Record other = source.take(*record.exchanged_is_at);
        if (!target.put(std::move(other), record.to.place, record.item_is_at)) return false;
    } else if (record.target_was_empty_image && !target.become_empty_image()) {
        return false;
    }
    return source.put(std::move(item), record.from.place, record.item_was_at);
}

}  // namespace

MoveOutcome move_item(const Places& places, const ViewedBox& source, Cell from, const ViewedBox& target,
                      std::optional<Cell> to) {
    const bool one_box = same_file(source.path, target.path);
    OpenBox source_box, target_box;
    if (auto refusal = open_box(source.path, source.title, source.seen, std::nullopt, source_box)) return *refusal;
    if (!one_box)
        if (auto refusal = open_box(target.path, target.title, target.seen, std::nullopt, target_box))
            return *refusal;
    stash::StashRecords& losing = *source_box.records;
    stash::StashRecords& gaining = one_box ? losing : *target_box.records;

    const std::optional<std::size_t> item = record_at(losing, from);
    if (!item) return refused(MoveResult::no_item, source.title);
    const stash::Tab tab = losing.records()[*item].item().tab;
    if (!one_box && losing.version() != gaining.version() && !is_empty_image(gaining))
        return refused(MoveResult::versions_differ, target.title);
    Cell cell;
    if (to) {
        if (to->tab != tab || to->place < 1 || to->place > places_per_tab)
            return refused(MoveResult::wrong_tab, target.title);
        cell = *to;
    } else {
        const std::optional<int> free = first_free_place(gaining, tab);
        if (!free) return refused(MoveResult::tab_full, target.title);
        cell = {tab, *free};
    }

    MoveRecord record;
    record.from = from;
    record.to = cell;
    record.item_was_at = *item;
    record.target_was_empty_image = !one_box && is_empty_image(gaining);
    if (!place_item(losing, gaining, one_box, record_at(gaining, cell), record))
        return refused(MoveResult::wrong_tab, target.title);

    const std::string losing_bytes = stash::write_stash(losing);
    const std::string gaining_bytes = one_box ? losing_bytes : stash::write_stash(gaining);
    std::vector<BoxWrite> writes;
    if (!one_box) writes.push_back({target.path, target.title, target_box.bytes, gaining_bytes});
    writes.push_back({source.path, source.title, source_box.bytes, losing_bytes});
    std::vector<FileFacts> facts;
    MoveOutcome outcome = write_boxes(places, writes, facts);
    if (!outcome.moved()) return outcome;
    outcome.item_now = cell;
    if (record.exchanged_is_at) outcome.exchanged_now = from;
    outcome.target_now = facts.front();
    outcome.source_now = facts.back();
    record.source = {source.path, source.title, content_hash(losing_bytes)};
    record.target = {target.path, target.title, content_hash(gaining_bytes)};
    outcome.record = std::move(record);
    return outcome;
}

MoveOutcome undo_move(const Places& places, const MoveRecord& record) {
    const WrittenBox& source = record.source;
    const WrittenBox& target = record.target;
    const bool one_box = same_file(source.path, target.path);
    OpenBox source_box, target_box;
    if (auto refusal = open_box(source.path, source.title, std::nullopt, source.hash, source_box)) return *refusal;
    if (!one_box)
        if (auto refusal = open_box(target.path, target.title, std::nullopt, target.hash, target_box))
            return *refusal;
    stash::StashRecords& regaining = *source_box.records;
    stash::StashRecords& giving = one_box ? regaining : *target_box.records;
    if (!take_back(regaining, giving, one_box, record)) return refused(MoveResult::stale, target.title);

    const std::string regaining_bytes = stash::write_stash(regaining);
    const std::string giving_bytes = one_box ? regaining_bytes : stash::write_stash(giving);
    std::vector<BoxWrite> writes = {{source.path, source.title, source_box.bytes, regaining_bytes}};
    if (!one_box) writes.push_back({target.path, target.title, target_box.bytes, giving_bytes});
    std::vector<FileFacts> facts;
    MoveOutcome outcome = write_boxes(places, writes, facts);
    if (!outcome.moved()) return outcome;
    outcome.item_now = record.from;
    if (record.exchanged_is_at) outcome.exchanged_now = record.to;
    outcome.source_now = facts.front();
    outcome.target_now = facts.back();
    return outcome;
}

}  // namespace kistvar::store
