// Any bytes as a box file: the reader gives contents or a reason, never reads
// outside the bytes, and what it reports holds together.
#include <string_view>

#include "contents/contents_texts.h"
#include "fuzz_fields.h"
#include "stash/stash_reader.h"

using namespace kistvar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const stash::Contents contents = stash::read_stash(bytes);
    if (!contents.readable()) {
        if (!contents.items.empty()) fuzz::broken("items listed for an unreadable file");
        if (contents::problem_text(contents.problem).empty()) fuzz::broken("a refusal without a reason");
        return 0;
    }
    if (contents.version < 0x41 || contents.version > 0x44) fuzz::broken("a version outside the known ones read");
    // Each record takes at least its four-byte length.
    if (contents.items.size() > size / 4) fuzz::broken("more items than the file has room for");
    for (const stash::Item& item : contents.items) {
        if (item.place < 0 || item.place > 40) fuzz::broken("a place outside the tab");
        if (item.place != 0 && item.tab == stash::Tab::other) fuzz::broken("a place without a tab");
        if (!item.known_layout && !item.name.empty()) fuzz::broken("a name from an unknown layout");
    }
    return 0;
}
