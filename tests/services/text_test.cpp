#include "platform/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kistvar {
namespace {

using namespace std::string_literals;
using Pieces = std::vector<std::string>;

TEST(LeftRightText, CountBytesAndClampTheCount) {
    EXPECT_EQ(text_length("存档.bin"), 10u);
    EXPECT_EQ(left_text("abcdef", 2), "ab");
    EXPECT_EQ(right_text("abcdef", 2), "ef");
    EXPECT_EQ(left_text("abc", 10), "abc");
    EXPECT_EQ(right_text("abc", 10), "abc");
    for (long long count : {0LL, -1LL, std::numeric_limits<long long>::min()}) {
        EXPECT_EQ(left_text("abc", count), "");
        EXPECT_EQ(right_text("abc", count), "");
    }
    EXPECT_EQ(left_text("", 3), "");
    // The ".bin" cut works on bytes whatever the characters before it.
    EXPECT_EQ(left_text("存档.bin", 6), "存档");
    EXPECT_EQ(right_text("存档.bin", 4), ".bin");
}

TEST(SplitText, PathsAtTheBackslash) {
    EXPECT_EQ(split_text("C:\\a\\b.bin", "\\"), (Pieces{"C:", "a", "b.bin"}));
    EXPECT_EQ(split_text("C:\\\\b.bin", "\\"), (Pieces{"C:", "", "b.bin"}));
    EXPECT_EQ(split_text("C:\\a\\", "\\"), (Pieces{"C:", "a"}));
    EXPECT_EQ(split_text("\\a", "\\"), (Pieces{"", "a"}));
    EXPECT_EQ(split_text("", "\\"), Pieces{});
    EXPECT_EQ(split_text("\\", "\\"), (Pieces{""}));
    EXPECT_EQ(split_text("D:\\存档\\箱子.bin", "\\"), (Pieces{"D:", "存档", "箱子.bin"}));
}

TEST(SplitText, DefaultAndUnusualDelimiters) {
    EXPECT_EQ(split_text("a,b"), (Pieces{"a", "b"}));
    EXPECT_EQ(split_text("a,b", ""), (Pieces{"a,b"}));
    EXPECT_EQ(split_text("a::b::", "::"), (Pieces{"a", "b"}));
    EXPECT_EQ(split_text("ab", "abc"), (Pieces{"ab"}));  // shorter than the delimiter
    EXPECT_EQ(split_text("甲、乙、丙", "、"), (Pieces{"甲", "乙", "丙"}));
}

TEST(SplitText, NeverMatchesAcrossOrInsideCharacters) {
    // "路径" is E8 B7 AF E5 BE 84: the bytes AF E5 straddle the two characters.
    EXPECT_EQ(split_text("路径", "\xAF\xE5"), (Pieces{"路径"}));
    EXPECT_EQ(split_text("路径", "\xB7"), (Pieces{"路径"}));
    EXPECT_EQ(split_text("x\xB7路\xB7", "\xB7"), (Pieces{"x", "路"}));  // stray byte still splits
}

TEST(SplitText, LimitIsTheMostPiecesAndStopsTheScan) {
    EXPECT_EQ(split_text("a,b,c", ",", std::nullopt), (Pieces{"a", "b", "c"}));
    EXPECT_EQ(split_text("a,b,c", ",", 0), Pieces{});
    EXPECT_EQ(split_text("a,b,c", ",", -3), Pieces{});
    EXPECT_EQ(split_text("a,b,c", ",", 1), (Pieces{"a"}));
    EXPECT_EQ(split_text("a,b,c", ",", 2), (Pieces{"a", "b"}));
    EXPECT_EQ(split_text("a,b,c", ",", 3), (Pieces{"a", "b", "c"}));
    EXPECT_EQ(split_text("a,b,c", ",", 9), (Pieces{"a", "b", "c"}));
    EXPECT_EQ(split_text("abc", ",", 1), (Pieces{"abc"}));
    EXPECT_EQ(split_text("a,b", "", 0), Pieces{});
}

TEST(CompareText, CaseFoldsAsciiLettersOnly) {
    EXPECT_EQ(compare_text("MyBox", "MyBox", true), 0);
    EXPECT_NE(compare_text("MyBox", "mybox", true), 0);
    EXPECT_EQ(compare_text("MyBox", "mybox", false), 0);
    EXPECT_EQ(compare_text("箱子A", "箱子a", false), 0);
    EXPECT_NE(compare_text("Ä", "ä", false), 0);
    EXPECT_NE(compare_text("[", "{", false), 0);  // 0x5B and 0x7B differ by the case bit, yet are no letters
    EXPECT_NE(compare_text("ab", "abc", false), 0);
    EXPECT_LT(compare_text("a", "b", true), 0);
    EXPECT_GT(compare_text("\xE5", "a", true), 0);  // bytes compare unsigned
    EXPECT_LT(compare_text("ab", "abc", true), 0);
}

TEST(ToText, NumbersAndBytes) {
    EXPECT_EQ(to_text(0), "0");
    EXPECT_EQ(to_text(-42), "-42");
    EXPECT_EQ(to_text(std::numeric_limits<long long>::min()), "-9223372036854775808");
    EXPECT_EQ(to_text_from_bytes("ab\0cd"s), "ab");
    EXPECT_EQ(to_text_from_bytes("abcd"), "abcd");
    EXPECT_EQ(to_text_from_bytes(""), "");
}

TEST(ToInteger, ReadsTheLeadingNumberAfterFullWidthForms) {
    EXPECT_EQ(to_integer("１２"), 12);
    EXPECT_EQ(to_integer("abc"), 0);
    EXPECT_EQ(to_integer(" 7a"), 7);
    EXPECT_EQ(to_integer("\t\r\n 3"), 3);
    EXPECT_EQ(to_integer("　－５"), -5);  // full-width space and minus
    EXPECT_EQ(to_integer("+8"), 8);
    EXPECT_EQ(to_integer("3.9"), 3);
    EXPECT_EQ(to_integer("--5"), 0);
    EXPECT_EQ(to_integer("- 5"), 0);
    EXPECT_EQ(to_integer("存档1"), 0);
    EXPECT_EQ(to_integer(""), 0);
}

TEST(ToInteger, ClampsToThe32BitRange) {
    EXPECT_EQ(to_integer("2147483647"), 2147483647);
    EXPECT_EQ(to_integer("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(to_integer("2147483648"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(to_integer("-99999999999999999999999"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(to_integer("00000000000000000000042"), 42);
}

TEST(ToNumber, ReadsDecimalNumbersTheCLibraryWay) {
    EXPECT_DOUBLE_EQ(to_number("3.25"), 3.25);
    EXPECT_DOUBLE_EQ(to_number("  -1.5e2xyz"), -150.0);
    EXPECT_DOUBLE_EQ(to_number(".5"), 0.5);
    EXPECT_DOUBLE_EQ(to_number("5."), 5.0);
    EXPECT_DOUBLE_EQ(to_number("2e"), 2.0);
    EXPECT_DOUBLE_EQ(to_number("2e+"), 2.0);
    EXPECT_DOUBLE_EQ(to_number("+7"), 7.0);
    EXPECT_DOUBLE_EQ(to_number("．５"), 0.5);
    EXPECT_DOUBLE_EQ(to_number("１Ｅ２"), 100.0);
    EXPECT_DOUBLE_EQ(to_number("."), 0.0);
    EXPECT_DOUBLE_EQ(to_number("-"), 0.0);
    EXPECT_DOUBLE_EQ(to_number("1,5"), 1.0);  // never the locale's decimal comma
}

TEST(ToNumber, OutOfRangeGoesToInfinityOrZero) {
    EXPECT_EQ(to_number("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(to_number("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(to_number("1" + std::string(400, '0')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(to_number("1e-999"), 0.0);
    EXPECT_EQ(to_number("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(to_number("1000e-99999999999999999999"), 0.0);
}

}  // namespace
}  // namespace kistvar
