// Any bytes as a box file: a box a move may write gives back its own bytes
// when written as read, a new place changes that item's place alone, and any
// other file is refused with the reason the reader gives.
#include <string>
#include <string_view>

#include "fuzz_fields.h"
#include "stash/stash_reader.h"
#include "stash/stash_writer.h"

using namespace kistvar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const stash::Contents contents = stash::read_stash(bytes);
    stash::RecordsRead read = stash::read_stash_records(bytes);
    if (read.refusal != contents.write_refusal()) fuzz::broken("records refused for another reason than the box");
    if (read.records.has_value() != contents.writable()) fuzz::broken("records of a box that may not be written");
    if (!read.records) return 0;
    stash::StashRecords& records = *read.records;
    if (records.records().size() != contents.items.size()) fuzz::broken("records and items differ in number");
    if (stash::write_stash(records) != bytes) fuzz::broken("a box written as read changed");
    if (records.records().empty()) return 0;

    const int place = records.records()[0].item().place % 40 + 1;
    if (!records.set_place(0, place)) {
        if (contents.items[0].tab != stash::Tab::other) fuzz::broken("a place refused in a tab");
        return 0;
    }
    const stash::Contents moved = stash::read_stash(stash::write_stash(records));
    if (!moved.writable() || moved.items.size() != contents.items.size()) fuzz::broken("a moved item spoiled its box");
    for (std::size_t i = 0; i < moved.items.size(); ++i) {
        const stash::Item& was = contents.items[i];
        const stash::Item& now = moved.items[i];
        if (now.name != was.name || now.tab != was.tab || now.level != was.level || now.stack != was.stack ||
            now.place != (i == 0 ? place : was.place))
            fuzz::broken("a move changed more than one place");
    }
    return 0;
}
