// How the box lists order and find titles.
#include <gtest/gtest.h>

#include "platform/win32/list_view_model.h"

namespace kistvar::test {
namespace {

using win32::ListViewModel;

std::vector<std::wstring> titles(const ListViewModel& model) {
    std::vector<std::wstring> all;
    for (int i = 0; i < model.size(); ++i) all.push_back(model.at(i).title);
    return all;
}

TEST(TitleOrder, CaseDoesNotDecideButBreaksTies) {
    EXPECT_LT(win32::compare_titles(L"apple", L"Banana"), 0);
    EXPECT_GT(win32::compare_titles(L"Cherry", L"banana"), 0);
    EXPECT_LT(win32::compare_titles(L"box", L"Box"), 0);
    EXPECT_EQ(win32::compare_titles(L"箱子", L"箱子"), 0);
}

TEST(TitleOrder, SortedInsertsFindTheirPlaceAndEqualTitlesGoFirst) {
    ListViewModel model;
    model.insert(-1, L"b", 0);
    model.insert(-1, L"A", 0);
    EXPECT_EQ(model.insert(-1, L"a", 0), 0);
    EXPECT_EQ(model.insert(-1, L"c", 1), 3);
    EXPECT_EQ(model.insert(-1, L"b", 2), 2);  // before the equal title
    EXPECT_EQ(model.at(2).picture, 2);
    EXPECT_EQ(titles(model), (std::vector<std::wstring>{L"a", L"A", L"b", L"b", L"c"}));

    ListViewModel descending;
    descending.set_order(ListViewModel::descending);
    for (const wchar_t* title : {L"a", L"c", L"b"}) descending.insert(-1, title, 0);
    EXPECT_EQ(titles(descending), (std::vector<std::wstring>{L"c", L"b", L"a"}));
}

TEST(TitleOrder, UnsortedInsertsGoWhereAskedOrAtTheEnd) {
    ListViewModel model;
    model.set_order(ListViewModel::unsorted);
    EXPECT_EQ(model.insert(-1, L"z", 0), 0);
    EXPECT_EQ(model.insert(0, L"y", 0), 0);
    EXPECT_EQ(model.insert(7, L"x", 0), 2);
    EXPECT_EQ(titles(model), (std::vector<std::wstring>{L"y", L"z", L"x"}));
}

TEST(TitleOrder, FindIgnoresCaseStartsAtTheStartAndDoesNotWrap) {
    ListViewModel model;
    for (const wchar_t* title : {L"Alpha", L"alphabet", L"Beta"}) model.insert(-1, title, 0);
    EXPECT_EQ(model.find(L"ALPHA", 0, true), 0);
    EXPECT_EQ(model.find(L"alpha", 1, true), -1);
    EXPECT_EQ(model.find(L"alpha", 1, false), 1);
    EXPECT_EQ(model.find(L"beta", -4, true), 2);
    EXPECT_EQ(model.find(L"Alp", 0, true), -1);
    EXPECT_EQ(model.find(L"alphabets", 0, false), -1);
}

}  // namespace
}  // namespace kistvar::test
