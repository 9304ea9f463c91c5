// Local date and time, to the second, and their text forms used in box titles.
#pragma once

#include <string>

namespace kistvar {

struct DateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// The local date and time now (backend-provided: tests can set the clock).
DateTime current_time();

// Format 1: date then the time down to its last non-zero unit; 2: date only;
// 3: hour, minute, second. Above 3 counts as 3, 0 or below as 1.
std::string time_to_text(const DateTime& moment, int format = 1);

// "2026-12-08 07.09.33": every unit, zero-padded, so such texts sort by time;
// no colon, so it may stand in a file name.
std::string sortable_time_text(const DateTime& moment);

}  // namespace kistvar
