#include "platform/folder_watch.h"

#include "platform/native_files.h"

namespace kistvar {

FolderWatch::FolderWatch(std::string_view folder) : folder_(folder), native_(native::watch_folder(folder)) {}

FolderWatch::~FolderWatch() {
    if (native_ != 0) native::end_watch(native_);
}

bool FolderWatch::changed() {
    const bool first = !asked_;
    asked_ = true;
    // Asked the first time too: what changed before the first listing is
    // told by that listing, not again after it.
    const bool told = native_ == 0 || native::folder_changed(native_);
    return first || told;
}

}  // namespace kistvar
