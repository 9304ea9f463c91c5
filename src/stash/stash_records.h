// The records of a box that items may be moved into or out of, kept as read
// so the box can be written back: each record byte for byte, and where its
// cell is. A move changes a record's cell, or takes a record out of one box
// and puts it whole into another; the container (its tab) never changes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "stash/stash_contents.h"

namespace kistvar::stash {

struct RecordsRead;
// A file the reader refuses, with damaged records or with records of an
// unknown layout, gives its reason and no records.
RecordsRead read_stash_records(std::string_view file_bytes);

// One item's record. Only a readable record of a writable box is ever one.
class Record {
public:
    const Item& item() const { return item_; }  // its place follows the cell
    std::string_view bytes() const { return bytes_; }
    std::uint32_t version() const { return version_; }  // the layout it is written in

private:
    friend class StashRecords;
    friend RecordsRead read_stash_records(std::string_view file_bytes);
    Record(Item item, std::string bytes, std::size_t cell_offset, std::uint32_t version);
    bool set_place(int place);

    Item item_;
    std::string bytes_;
    std::size_t cell_offset_;
    std::uint32_t version_;
};

class StashRecords {
public:
    std::uint32_t version() const { return version_; }
    bool scrambled() const { return scrambled_; }
    const std::vector<Record>& records() const { return records_; }

    // Gives record `index` the cell of `place` (1..40) in its own tab. False,
    // changing nothing, for another place or a record without a tab.
    bool set_place(std::size_t index, int place);
    // Takes record `index` out of the box.
    Record take(std::size_t index);
    // Puts a record, whole, into the box at `place` of its own tab, after the
    // last record or as record `index` (those from there on move up one), so
    // a record taken out and put back where it was gives the same bytes.
    // False, leaving the record as it was, when its layout is not the box's,
    // the place is not in its tab or the index is past the end. The empty
    // image of a new box takes the version of its first record.
    bool put(Record&& record, int place);
    bool put(Record&& record, int place, std::size_t index);
    // A box emptied of the records that entered it since it was the empty
    // image of a new box becomes that image again. False while it holds a record.
    bool become_empty_image();

private:
    friend RecordsRead read_stash_records(std::string_view file_bytes);
    StashRecords(std::uint32_t version, bool scrambled) : version_(version), scrambled_(scrambled) {}

    std::uint32_t version_;
    bool scrambled_;
    std::vector<Record> records_;
};

struct RecordsRead {
    Problem refusal = Problem::none;  // why the box may not be written
    std::optional<StashRecords> records;  // present exactly when there is no refusal
};

}  // namespace kistvar::stash
