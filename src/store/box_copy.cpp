#include "store/box_copy.h"

#include "platform/file_names.h"
#include "platform/files.h"

namespace kistvar::store {

bool copy_to_new_box_file(std::string_view source, const std::string& target) {
    // Not ending in ".bin", so never listed as a box should it stay behind.
    const std::string temporary = with_ending_that_fits(target, ".kistvar-tmp-copy");
    if (copy_file(source, temporary) && rename_file(temporary, target)) return true;
    delete_file(temporary);
    return false;
}

}  // namespace kistvar::store
