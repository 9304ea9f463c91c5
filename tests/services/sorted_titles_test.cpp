// How the box lists order and find titles, on each backend by its own comparison.
#include <gtest/gtest.h>

#include "ui/sorted_titles.h"
#include "ui/title_order.h"

namespace kistvar::test {
namespace {

using ui::SortedTitles;

std::vector<std::string> titles(const SortedTitles& model) {
    std::vector<std::string> all;
    for (int i = 0; i < model.size(); ++i) all.push_back(model.at(i).title);
    return all;
}

TEST(TitleOrder, CaseDoesNotDecideButBreaksTies) {
    EXPECT_LT(ui::compare_titles("apple", "Banana"), 0);
    EXPECT_GT(ui::compare_titles("Cherry", "banana"), 0);
    EXPECT_LT(ui::compare_titles("box", "Box"), 0);
    EXPECT_EQ(ui::compare_titles("箱子", "箱子"), 0);
}

TEST(TitleOrder, SortedInsertsFindTheirPlaceAndEqualTitlesGoFirst) {
    SortedTitles model;
    model.insert(-1, "b", 0);
    model.insert(-1, "A", 0);
    EXPECT_EQ(model.insert(-1, "a", 0), 0);
    EXPECT_EQ(model.insert(-1, "c", 1), 3);
    EXPECT_EQ(model.insert(-1, "b", 2), 2);  // before the equal title
    EXPECT_EQ(model.at(2).picture, 2);
    EXPECT_EQ(titles(model), (std::vector<std::string>{"a", "A", "b", "b", "c"}));

    SortedTitles descending;
    descending.set_order(ui::ListView::descending);
    for (const char* title : {"a", "c", "b"}) descending.insert(-1, title, 0);
    EXPECT_EQ(titles(descending), (std::vector<std::string>{"c", "b", "a"}));
}

TEST(TitleOrder, UnsortedInsertsGoWhereAskedOrAtTheEnd) {
    SortedTitles model;
    model.set_order(ui::ListView::unsorted);
    EXPECT_EQ(model.insert(-1, "z", 0), 0);
    EXPECT_EQ(model.insert(0, "y", 0), 0);
    EXPECT_EQ(model.insert(7, "x", 0), 2);
    EXPECT_EQ(titles(model), (std::vector<std::string>{"y", "z", "x"}));
}

TEST(TitleOrder, FindIgnoresCaseStartsAtTheStartAndDoesNotWrap) {
    SortedTitles model;
    for (const char* title : {"Alpha", "alphabet", "Beta"}) model.insert(-1, title, 0);
    EXPECT_EQ(model.find("ALPHA", 0, true), 0);
    EXPECT_EQ(model.find("alpha", 1, true), -1);
    EXPECT_EQ(model.find("alpha", 1, false), 1);
    EXPECT_EQ(model.find("beta", -4, true), 2);
    EXPECT_EQ(model.find("Alp", 0, true), -1);
    EXPECT_EQ(model.find("alphabets", 0, false), -1);
}

}  // namespace
}  // namespace kistvar::test
