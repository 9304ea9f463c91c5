// Moving items between boxes, and taking a move back, on disk. Every box a
// move writes is guarded as every overwrite of a box is: backed up into
// "备份" first, written to a temporary file that is flushed and put in place,
// then read back and compared. The box that gains an item is written before
// the box that loses it, so a move stopped between the two leaves the item
// in both boxes, never in neither.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/files.h"
#include "stash/stash_contents.h"
#include "store/outcome.h"
#include "store/places.h"

namespace kistvar::store {

// A box as the window read it: its file, its title (for backups and
// messages) and the file's facts when it was read, to tell a stale view.
struct ViewedBox {
    std::string path;
    std::string title;
    FileFacts seen;
};

// A cell of a box: its tab and its place 1..40 (as the list shows it).
struct Cell {
    stash::Tab tab = stash::Tab::gear;
    int place = 0;
    bool operator==(const Cell&) const = default;
};

enum class MoveResult {
    moved,              // in its new cell; the item there, if any, took its old cell
    stale,              // `box` is not as the window read it (undo: as the move left it); nothing written
    not_writable,       // `box` is refused by the reader, holds a damaged record or one of unknown layout: `problem`
    versions_differ,    // 0x41 and 0x44 records differ in layout
    no_item,            // nothing at the source cell
    wrong_tab,          // the target cell is not a cell of the item's tab
    tab_full,           // to the other side: no free cell in the item's tab there
    backup_failed,      // nothing written: `backup`
    write_failed,       // writing `box` failed (`reason`); what was written is put back (`restored`), or not
    read_back_differs,  // `box` read back otherwise than meant; both are put back (`restored`), or not
};

// One box as a move left it. Undo writes it only while it is still so, byte
// for byte: its facts cannot tell (a write time may be too coarse, and an
// undo of a later move writes the same bytes anew).
struct WrittenBox {
    std::string path;
    std::string title;
    std::uint64_t hash = 0;  // of the bytes the move wrote
};

// What undo needs of one move: where the records went, no copy of a file.
// Putting them back where they were gives the files' old bytes.
struct MoveRecord {
    WrittenBox source, target;  // the same file for a rearrangement inside one box
    Cell from, to;              // the item's cell before and after the move
    std::size_t item_was_at = 0;  // the item's record: its index in the source before the move
    std::size_t item_is_at = 0;   // and in the target after it
    std::optional<std::size_t> exchanged_is_at;  // the record that took `from`: its index in the source
    bool target_was_empty_image = false;          // the target was a new box's 17-byte image
};

struct MoveOutcome {
    MoveResult result = MoveResult::moved;
    std::string box;     // the title of the box a refusal or failure concerns
    stash::Problem problem = stash::Problem::none;  // not_writable: the reader's reason
    std::string reason;  // write_failed: why, in the system's words
    Backup backup;       // backup_failed
    bool restored = true;  // write_failed, read_back_differs: both files are as they were before
    Cell item_now;         // moved: where the item is now (undo: back in the source)
    std::optional<Cell> exchanged_now;  // moved: where the item it changed places with is now
    FileFacts source_now, target_now;   // moved: the files' facts as read back
    MoveRecord record;                  // moved by move_item: what undo_move needs

    bool moved() const { return result == MoveResult::moved; }
};

// The item at `from` in `source` goes to `to` in `target` (the same path for a
// rearrangement inside one box); an item at `to` takes `from`'s place. With no
// `to`, it goes to the first free place of its tab in `target`. An exchange
// between two boxes writes the target first, then the source.
MoveOutcome move_item(const Places& places, const ViewedBox& source, Cell from, const ViewedBox& target,
                      std::optional<Cell> to);

// Puts both boxes back as they were before the move, byte for byte, the
// source (which gains the item back) first; refused (MoveResult::stale,
// `box` naming it) once a box it would write has changed since the move.
MoveOutcome undo_move(const Places& places, const MoveRecord& record);

}  // namespace kistvar::store
