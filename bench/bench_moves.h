// Moving an item between two boxes, against the durable writes it cannot do without.
#pragma once

namespace kistvar::bench {

// An item moved back and forth between two boxes of about 30 KB (each move
// two backups, two atomic writes, two read-backs) / four durable writes of
// such a file: prints "move_ratio=" (medians of `rounds`); the absolute
// times, and the backups' share, go to the error stream.
void measure_moves(const char* backend_name, int rounds);

}  // namespace kistvar::bench
