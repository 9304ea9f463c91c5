#include "support/box_tag.h"

#include "stash/stash_reader.h"
#include "support/temp_folder.h"

namespace kistvar::test {

std::string box_on_disk(std::string_view path) {
    return box_tag(read_on_disk(path));
}

std::string box_tag(const std::string& bytes) {
    const stash::Contents contents = stash::read_stash(bytes);
    if (contents.readable() && contents.items.size() == 1 && bytes == stash_holding(contents.items[0].name))
        return contents.items[0].name;
    return bytes;
}

}  // namespace kistvar::test
