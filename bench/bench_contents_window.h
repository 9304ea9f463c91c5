// The contents window at the size of a large library: the real window and the
// program's own procedures, stepped by the message loop.
#pragma once

#include <functional>

#include "app/app.h"
#include "bench_library.h"

namespace kistvar::bench {

// The program's start on a library: settings, both lists, the current list.
using StartProgram = std::function<void(App&, const BenchLibrary&)>;

// A one-letter search over 2,000 boxes of about 30 KB (tens of thousands of
// finds), then a sort of the finds by name. Prints "longest_step_ms=": the
// longest the loop waited for one message (a step of the search, a paint, the
// header click) from the typed letter until the sorted finds are drawn.
void measure_contents_window(const char* backend_name, const StartProgram& start);

}  // namespace kistvar::bench
