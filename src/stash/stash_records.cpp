#include "stash/stash_records.h"

#include "stash/item_record.h"
#include "stash/stash_reader.h"

namespace kistvar::stash {

Record::Record(Item item, std::string bytes, std::size_t cell_offset, std::uint32_t version)
    : item_(std::move(item)), bytes_(std::move(bytes)), cell_offset_(cell_offset), version_(version) {}

bool Record::set_place(int place) {
    // The reader found the u16 cell, then the u16 container, at the offset.
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(bytes_[cell_offset_ + at]); };
    const auto container = static_cast<std::uint16_t>(byte(2) | byte(3) << 8);
    const std::optional<std::uint16_t> cell = cell_of(container, place);
    if (!cell) return false;
    bytes_[cell_offset_] = static_cast<char>(*cell & 0xFF);
    bytes_[cell_offset_ + 1] = static_cast<char>(*cell >> 8);
    item_.place = place;
    return true;
}

bool StashRecords::set_place(std::size_t index, int place) { return records_.at(index).set_place(place); }

Record StashRecords::take(std::size_t index) {
    Record taken = std::move(records_.at(index));
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(index));
    return taken;
}

bool StashRecords::put(Record&& record, int place) { return put(std::move(record), place, records_.size()); }

bool StashRecords::put(Record&& record, int place, std::size_t index) {
    const bool empty_image = version_ == version_empty_image && records_.empty();
    if (record.version() != version_ && !empty_image) return false;
    if (index > records_.size() || !record.set_place(place)) return false;
    version_ = record.version();
    records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(index), std::move(record));
    return true;
}

bool StashRecords::become_empty_image() {
    if (!records_.empty()) return false;
    version_ = version_empty_image;
    return true;
}

RecordsRead read_stash_records(std::string_view file_bytes) {
    StashRead read = read_stash_for_writing(file_bytes);
    RecordsRead result;
    result.refusal = read.contents.write_refusal();
    if (result.refusal != Problem::none) return result;
    StashRecords records(read.contents.version, read.scrambled);
    records.records_.reserve(read.spans.size());
    for (std::size_t i = 0; i < read.spans.size(); ++i) {
        const RecordSpan& span = read.spans[i];
        records.records_.push_back(Record(std::move(read.contents.items[i]), read.body.substr(span.offset, span.length),
                                          span.cell_offset, read.contents.version));
    }
    result.records = std::move(records);
    return result;
}

}  // namespace kistvar::stash
