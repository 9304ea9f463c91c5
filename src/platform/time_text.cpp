#include "platform/time_text.h"

#include <algorithm>
#include <cstdio>

namespace kistvar {
namespace {

void append(std::string& text, int number, const char* unit) {
    text += std::to_string(number);
    text += unit;
}

std::string date_text(const DateTime& moment) {
    std::string text;
    append(text, moment.year, "年");
    append(text, moment.month, "月");
    append(text, moment.day, "日");
    return text;
}

std::string full_time_text(const DateTime& moment) {
    std::string text;
    append(text, moment.hour, "时");
    append(text, moment.minute, "分");
    append(text, moment.second, "秒");
    return text;
}

// The time down to its last non-zero unit; nothing at midnight.
std::string shortest_time_text(const DateTime& moment) {
    if (moment.second != 0) return full_time_text(moment);
    std::string text;
    if (moment.minute != 0) {
        append(text, moment.hour, "时");
        append(text, moment.minute, "分");
    } else if (moment.hour != 0) {
        append(text, moment.hour, "时");
    }
    return text;
}

}  // namespace

std::string sortable_time_text(const DateTime& moment) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d.%02d.%02d", moment.year, moment.month, moment.day,
                  moment.hour, moment.minute, moment.second);
    return text;
}

std::string time_to_text(const DateTime& moment, int format) {
    switch (std::clamp(format, 1, 3)) {
        case 2: return date_text(moment);
        case 3: return full_time_text(moment);
        default: return date_text(moment) + shortest_time_text(moment);
    }
}

}  // namespace kistvar
