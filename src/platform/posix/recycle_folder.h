// Linux has no Recycle Bin of Windows' kind: the headless backend keeps one
// folder that deleted files go to, set by the test script.
#pragma once

#include <string>

namespace kistvar::posix {

// Program-form path; empty: the files' volume has no Recycle Bin.
void set_recycle_folder(std::string folder);

}  // namespace kistvar::posix
