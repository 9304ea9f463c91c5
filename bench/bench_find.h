// The item search of the contents window over a large library.
#pragma once

#include <string>

namespace kistvar::bench {

// 1,000 boxes of about 30 KB each: prints "find_cold_ms=" (empty cache, every
// box read and parsed) and "find_warm_ms=" (the same search again).
void measure_find(const char* backend_name);

}  // namespace kistvar::bench
