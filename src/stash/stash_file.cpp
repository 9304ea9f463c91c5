#include "stash/stash_file.h"

#include <string>

#include "platform/files.h"
#include "stash/stash_reader.h"

namespace kistvar::stash {

Contents read_stash_file(std::string_view path) {
    Contents refused;
    FileFacts facts;
    if (!file_facts(path, facts)) {
        refused.problem = Problem::cannot_read;
        return refused;
    }
    if (facts.size > largest_stash_size) {
        refused.problem = Problem::too_large;
        return refused;
    }
    std::string bytes;
    // The file may have grown since its size was looked at: read no more
    // than the limit either way.
    if (!read_file_up_to(path, largest_stash_size, bytes)) {
        refused.problem = Problem::cannot_read;
        return refused;
    }
    return read_stash(bytes);
}

}  // namespace kistvar::stash
