// Start time of the real program against an empty Win32 window: from
// CreateProcess until a visible top-level window exists and the process waits
// for input, with a settings file, a stash and 50 + 50 boxes.
#pragma once

namespace kistvar::bench {

// Prints "win32 start_ratio=<x>" (the medians' ratio) and the medians to the
// error stream. Win32 only: the headless backend has no process to start.
void measure_start(int rounds);

}  // namespace kistvar::bench
