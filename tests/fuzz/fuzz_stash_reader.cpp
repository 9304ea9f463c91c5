// Any bytes as a box file: the reader gives contents or a reason, never reads
// outside the bytes, and what it reports holds together.
#include <string_view>

#include "contents/contents_texts.h"
#include "fuzz_fields.h"
#include "stash/contents_cache.h"
#include "stash/item_record.h"
#include "stash/stash_reader.h"

using namespace kistvar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const stash::Contents contents = stash::read_stash(bytes);
    if (contents::problem_text(contents.write_refusal()).empty() != contents.writable())
        fuzz::broken("a box refused for writing without a reason");
    if (!contents.readable()) {
        if (!contents.items.empty() || contents.unknown_records != 0 || contents.damaged_records != 0)
            fuzz::broken("records counted for an unreadable file");
        if (contents::problem_text(contents.problem).empty()) fuzz::broken("a refusal without a reason");
        return 0;
    }
    if (contents.version < 0x41 || contents.version > 0x44) fuzz::broken("a version outside the known ones read");
    // Each record takes at least its four-byte length, and a listed item its fields.
    if (contents.items.size() + contents.unknown_records + contents.damaged_records > size / 4)
        fuzz::broken("more records than the file has room for");
    if (contents.items.size() * (4 + stash::shortest_item_record(contents.version)) > size)
        fuzz::broken("more items than the file has room for");
    if (!stash::knows_record_layout(contents.version) && (!contents.items.empty() || contents.damaged_records != 0))
        fuzz::broken("items read from an unknown layout");
    if (stash::knows_record_layout(contents.version) && contents.unknown_records != 0)
        fuzz::broken("records of a known layout left unread");
    // A name is made of its record's strings, so what is kept grows with the file alone.
    if (stash::estimated_size(contents) > sizeof(stash::Contents) + 4 * size)
        fuzz::broken("contents far larger than their file");
    for (const stash::Item& item : contents.items) {
        if (item.place < 0 || item.place > 40) fuzz::broken("a place outside the tab");
        if (item.place != 0 && item.tab == stash::Tab::other) fuzz::broken("a place without a tab");
    }
    return 0;
}
