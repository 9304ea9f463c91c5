#include "store/swap.h"

#include <optional>

#include "platform/files.h"
#include "settings/settings_procedures.h"
#include "store/backups.h"
#include "store/box_titles.h"
#include "store/reasons.h"

namespace kistvar::store {

namespace {

// The title the box in use goes home under. A marker edited by hand into
// something no typed name could be ("..\x", "NUL", empty, too long) is never
// made part of a path: the box takes a free default title instead.
std::string home_title_of(const Places& places) {
    return box_name_problem(places.marker).empty() ? places.marker : first_free_my_box_title(places);
}

// What a swap backs up before anything moves: the slot's file while the
// marker is "别的箱子" (none needed when the slot is empty), and a chosen my
// box, which the game may overwrite once it is in the slot. The backup that
// failed, if one did.
std::optional<Backup> back_up_before_swap(const Places& places, std::string_view chosen_title,
                                          bool chosen_is_my_box) {
    if (places.marker == other_box_marker) {
        const std::string slot = stash_file(places);
        // An empty slot needs none; a look-up that fails is no proof of that.
        const bool slot_empty = !file_exists(slot) && last_failure_was_missing();
        if (!slot_empty)
            if (Backup backup = back_up_box(places, slot, other_box_marker); backup.failed()) return backup;
    }
    if (chosen_is_my_box)
        if (Backup backup = back_up_box(places, my_box_file(places, chosen_title), chosen_title); backup.failed())
            return backup;
    return std::nullopt;
}

// A my box that entered the slot by a copy whose source could not be deleted
// (read-only; older versions let it stay) left its old copy at its home
// title. The slot holds the box as the game has kept it since, so the old
// copy is backed up and cleared away to let the box go home. A file there
// that is not read-only is another box, and stays.
bool clear_copy_left_at_home(const Places& places, const std::string& home) {
    const std::string target = my_box_file(places, home);
    SearchHandle search;
    if (find_file(target, attribute_read_only, false, search).empty()) return false;
    end_find_file(search);
    return !back_up_box(places, target, home).failed() && make_writable(target) && delete_file(target);
}

// Puts the box in use into MYBOX. Renamed, never copied: a rename never
// replaces a file, while the copy fallback of move_file would replace a box
// that a search failed to see. Why it failed is asked only afterwards, so a
// swap searches nothing in MYBOX (under Wine every search there reads the
// whole folder).
SwapResult send_box_in_use_home(const Places& places, const std::string& home, bool& cleared) {
    const std::string slot = stash_file(places), target = my_box_file(places, home);
    if (rename_file(slot, target)) return SwapResult::swapped;
    if (file_exists(target)) {
        cleared = clear_copy_left_at_home(places, home);
        return cleared && rename_file(slot, target) ? SwapResult::swapped : SwapResult::home_taken;
    }
    // A box folder made after the start (a first run does so) has no MYBOX
    // yet; the box in use needs it to go home.
    if (create_folder(my_boxes_folder(places)) && rename_file(slot, target)) return SwapResult::swapped;
    return SwapResult::home_unreachable;
}

// A my box enters the slot moved, never copied: its file must not stay in
// MYBOX as a second copy to go its own way. The player owns the box, so a
// read-only attribute that would keep it there is cleared first. A saved
// box's copy in the slot (backed up, there to be overwritten) is replaced in
// one step, so that a move that fails halfway leaves it as it was.
bool move_in_my_box(const Places& places, std::string_view title) {
    const std::string box = my_box_file(places, title), slot = stash_file(places);
    make_writable(box);
    if (places.marker == other_box_marker && rename_over(box, slot)) return true;
    return move_file(box, slot);
}

// The chosen box could not take the slot. The box that went home returns to
// it, named again first if the marker had moved on, so marker and files
// agree as before. If even that fails it stays in MYBOX as an ordinary box
// and the stash slot holds no box of the library.
// MYBOX.ini may refuse the marker on the way back too; the outcome then says
// why, as the marker in memory and the files no longer agree with it.
SwapOutcome undo_swap(const Places& places, const std::string& home, bool marker_moved_on) {
    const std::string& previous = places.marker;
    if (previous == other_box_marker) {
        // The slot still holds the copy it held.
        SwapOutcome outcome{SwapResult::put_back, previous, home, {}, {}};
        if (marker_moved_on && !write_in_use_marker(places.settings_file, other_box_marker))
            outcome.reason = reasons::marker_not_stored(places.settings_file);
        return outcome;
    }
    const std::string back_under = marker_moved_on ? home : previous;
    if ((!marker_moved_on || write_in_use_marker(places.settings_file, home)) &&
        move_file(my_box_file(places, home), stash_file(places)))
        return {SwapResult::put_back, back_under, home, {}, {}};
    SwapOutcome outcome{SwapResult::stranded, std::string(other_box_marker), home, {}, {}};
    if (!write_in_use_marker(places.settings_file, other_box_marker))
        outcome.reason = reasons::marker_not_stored(places.settings_file);
    return outcome;
}

}  // namespace

// One write of MYBOX.ini per swap, in the one place where it keeps the
// marker true whenever the program might end:
//   1. the box in use goes home to MYBOX (a saved box's copy just stays, to
//      be overwritten);
//   2. the marker names the chosen my box, or "别的箱子" (no write when it
//      already does);
//   3. the chosen box enters: a my box is moved, a saved box copied.
// So a my box enters the slot only once MYBOX.ini names it (a program ending
// before the write must not find "别的箱子" at its next start and take the box
// for a saved box's copy, free to be overwritten), and a saved box's copy
// enters only once the marker has stopped naming the box that went home (else
// the next start would show that box in use and its own file as a second box
// of that title). Whenever it ends, every box is whole in MYBOX or in the
// slot; a step that fails is undone, which may take a second write.
SwapOutcome swap(const Places& places, std::string_view title, bool chosen_is_my_box) {
    const std::string& previous = places.marker;
    const bool previous_is_my_box = previous != other_box_marker;
    const std::string home = previous_is_my_box ? home_title_of(places) : std::string();
    if (std::optional<Backup> failed = back_up_before_swap(places, title, chosen_is_my_box))
        return {SwapResult::backup_failed, previous, home, *failed, {}};
    bool cleared = false;
    if (previous_is_my_box)
        if (SwapResult result = send_box_in_use_home(places, home, cleared); result != SwapResult::swapped)
            return {result, previous, home, {}, {}, cleared};

    const std::string next = chosen_is_my_box ? std::string(title) : std::string(other_box_marker);
    const bool named = next == previous || write_in_use_marker(places.settings_file, next);
    // A my box moves into the slot; a saved box is a template and is copied.
    const bool put_in = named && (chosen_is_my_box ? move_in_my_box(places, title)
                                                   : copy_file(saved_box_file(places, title), stash_file(places)));
    if (!put_in) {
        SwapOutcome undone = undo_swap(places, home, named && next != previous);
        undone.cleared_copy_at_home = cleared;
        return undone;
    }
    // A copy and a move keep the read-only attribute, and a read-only slot
    // would stop the game saving and every later swap. Should this fail, the
    // swap still stands: no box is at risk.
    make_writable(stash_file(places));
    return {SwapResult::swapped, next, home, {}, {}, cleared};
}

}  // namespace kistvar::store
