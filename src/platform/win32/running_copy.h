// One running copy of the program per program folder: the folder holds the
// settings file with the in-use marker, and two copies writing it would race.
// A copy in another folder has its own settings and runs beside it.
#pragma once

namespace kistvar::win32 {

// Called first thing at start. When a copy from this program's folder runs
// already, its window is brought to the front (restored if minimised) and
// the answer is true: this start ends. Otherwise this copy is now the one
// that runs, and the answer is false.
bool hand_over_to_running_copy();

}  // namespace kistvar::win32
