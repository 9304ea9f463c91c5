#include "stash/stash_file.h"

#include <string>

#include "platform/files.h"
#include "stash/stash_reader.h"

namespace kistvar::stash {

Contents read_stash_file(std::string_view path) {
    // One read and no look-up before it (a swap reads the chosen box, and
    // under Wine a look-up may read the whole folder). A file over the limit
    // fails the read once past the limit, never read whole; only then is its
    // size asked for, to tell "too large" from "unreadable".
    std::string bytes;
    if (read_file_up_to(path, largest_stash_size, bytes)) return read_stash(bytes);
    Contents refused;
    FileFacts facts;
    const bool too_large = file_facts(path, facts) && facts.size > largest_stash_size;
    refused.problem = too_large ? Problem::too_large : Problem::cannot_read;
    return refused;
}

}  // namespace kistvar::stash
