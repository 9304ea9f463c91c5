// The in-memory list's comparison, beyond what the shared control tests can
// ask of the real one.
#include "ui/title_order.h"

#include <gtest/gtest.h>

namespace kistvar::ui {
namespace {

TEST(TitleOrder, CaseDecidesOnlyBetweenOtherwiseEqualTitles) {
    EXPECT_LT(compare_titles("apple", "Banana"), 0);
    EXPECT_GT(compare_titles("Zebra", "apple"), 0);
    EXPECT_LT(compare_titles("abc", "aBc"), 0);
    EXPECT_GT(compare_titles("ABc", "AbC"), 0);  // the first case difference decides
    EXPECT_LT(compare_titles("ab", "ABC"), 0);   // a shorter title first, whatever its case
    EXPECT_EQ(compare_titles("箱子", "箱子"), 0);
    EXPECT_LT(compare_titles("", "a"), 0);
}

TEST(TitleOrder, FoldsLettersBeyondAscii) {
    EXPECT_TRUE(title_matches("ÉPÉE", "épée", true));
    EXPECT_TRUE(title_matches("МОЙ", "мой", true));
    EXPECT_TRUE(title_matches("ＢＯＸ", "ｂｏｘ", true));
    EXPECT_LT(compare_titles("épée", "ÉPÉE"), 0);
}

TEST(TitleOrder, BrokenUtf8NeverEqualsALetter) {
    EXPECT_FALSE(title_matches("\xC9", "É", true));
    EXPECT_FALSE(title_matches("\xC9", "\xE9", true));
    EXPECT_NE(compare_titles("a\xE5", "a\xE5\x9C"), 0);
    EXPECT_TRUE(title_matches("\xFF\xFE", "\xFF", false));
}

TEST(TitleOrder, PrefixMatchNeedsTheWholeText) {
    EXPECT_TRUE(title_matches("Box 12", "box", false));
    EXPECT_FALSE(title_matches("Bo", "box", false));
    EXPECT_TRUE(title_matches("anything", "", false));
    EXPECT_FALSE(title_matches("anything", "", true));
}

}  // namespace
}  // namespace kistvar::ui
