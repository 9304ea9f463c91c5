#include "platform/time_text.h"

#include <gtest/gtest.h>

#include <ctime>
#include <tuple>

namespace kistvar {
namespace {

DateTime moment(int hour, int minute, int second) { return {2012, 10, 23, hour, minute, second}; }

TEST(TimeToText, DateAndTimeDownToTheLastNonZeroUnit) {
    EXPECT_EQ(time_to_text(moment(0, 0, 0)), "2012年10月23日");
    EXPECT_EQ(time_to_text(moment(14, 0, 0)), "2012年10月23日14时");
    EXPECT_EQ(time_to_text(moment(14, 5, 0)), "2012年10月23日14时5分");
    EXPECT_EQ(time_to_text(moment(14, 5, 9)), "2012年10月23日14时5分9秒");
    EXPECT_EQ(time_to_text(moment(0, 5, 0)), "2012年10月23日0时5分");
    EXPECT_EQ(time_to_text(moment(0, 0, 9)), "2012年10月23日0时0分9秒");
    EXPECT_EQ(time_to_text({2013, 1, 2, 3, 4, 5}, 1), "2013年1月2日3时4分5秒");
}

TEST(TimeToText, DateOnlyAndTimeOnly) {
    EXPECT_EQ(time_to_text(moment(14, 5, 9), 2), "2012年10月23日");
    EXPECT_EQ(time_to_text(moment(14, 5, 9), 3), "14时5分9秒");
    EXPECT_EQ(time_to_text(moment(0, 0, 0), 3), "0时0分0秒");
}

TEST(TimeToText, FormatOutsideOneToThreeIsClamped) {
    const DateTime at = moment(14, 5, 0);
    EXPECT_EQ(time_to_text(at, 0), time_to_text(at, 1));
    EXPECT_EQ(time_to_text(at, -7), time_to_text(at, 1));
    EXPECT_EQ(time_to_text(at, 4), time_to_text(at, 3));
    EXPECT_EQ(time_to_text(at, 1000), time_to_text(at, 3));
}

#ifdef _WIN32
auto as_tuple(const DateTime& t) { return std::tie(t.year, t.month, t.day, t.hour, t.minute, t.second); }

DateTime c_library_local_time() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &now);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

TEST(CurrentTime, IsTheLocalTimeNow) {
    const DateTime before = c_library_local_time();
    const DateTime now = current_time();
    const DateTime after = c_library_local_time();
    EXPECT_LE(as_tuple(before), as_tuple(now));
    EXPECT_LE(as_tuple(now), as_tuple(after));
}
#endif

}  // namespace
}  // namespace kistvar
