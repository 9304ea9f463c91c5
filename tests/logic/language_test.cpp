// The second language: every text in both, the choice (Windows' language,
// overridden by the stored one), and switching on Save without a restart.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "language/language.h"
#include "language/text_table.h"
#include "platform/dialogs.h"
#include "platform/settings_file.h"
#include "support/app_fixture.h"
#include "support/headless/observation.h"
#include "support/headless/script.h"

namespace kistvar {
namespace {

using language::Text;
using test::AppFixture;

std::multiset<std::string> placeholders(std::string_view text) {
    std::multiset<std::string> found;
    for (std::size_t open = text.find('{'); open != std::string_view::npos; open = text.find('{', open + 1))
        if (const std::size_t close = text.find('}', open); close != std::string_view::npos)
            found.emplace(text.substr(open, close - open + 1));
    return found;
}

TEST(LanguageTexts, EveryTextHasBothLanguagesOnceWithTheSamePlaceholders) {
    const auto count = static_cast<std::size_t>(Text::count);
    for (const auto* table : {&language::chinese_texts(), &language::english_texts()}) {
        std::vector<int> seen(count, 0);
        for (const language::TextEntry& entry : *table) ++seen.at(static_cast<std::size_t>(entry.id));
        EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), static_cast<long>(count));
    }
    for (std::size_t id = 1; id < count; ++id) {
        const std::string_view chinese = language::text(Text(id), language::Language::chinese);
        const std::string_view english = language::text(Text(id), language::Language::english);
        EXPECT_FALSE(chinese.empty()) << "text " << id;
        EXPECT_FALSE(english.empty()) << "text " << id;
        EXPECT_EQ(placeholders(chinese), placeholders(english)) << chinese << " / " << english;
    }
}

TEST(LanguageTexts, PlaceholdersAreFilledOnceAndOtherBracesStay) {
    EXPECT_EQ(language::filled("{a} and {b}", {{"a", "{b}"}, {"b", "2"}}), "{b} and 2");
    EXPECT_EQ(language::filled("{x} {a", {{"a", "1"}}), "{x} {a");
    EXPECT_EQ(language::filled("}{a}{", {{"a", ""}}), "}{");
}

// Windows' language decides until the player picks one; a stored value
// that is neither choice counts as none.
struct StartCase {
    bool windows_in_chinese;
    const char* stored;  // nullptr: no key
    bool english;
};

class LanguageAtStart : public AppFixture, public ::testing::WithParamInterface<StartCase> {};

TEST_P(LanguageAtStart, TheStoredChoiceOverridesWindows) {
    const StartCase& c = GetParam();
    headless::set_user_interface_chinese(c.windows_in_chinese);
    write_standard_settings("别的箱子");
    if (c.stored) {
        ASSERT_TRUE(write_setting(settings_path(), "显示", "语言", c.stored));
    }
    ASSERT_EQ(start(), std::nullopt);

    EXPECT_EQ(headless::shown_text(w(), "按钮保存"), c.english ? "Save" : "保存");
    EXPECT_EQ(w().状态条1->status_text(0), c.english ? "In the slot:" : "当前使用箱子：");
    EXPECT_EQ(w().状态条1->status_text(1), c.english ? "another box" : "别的箱子");  // the stored marker
    EXPECT_EQ(w().组合框5->current_index(), c.english ? 1 : 0);
    w().window->on_destroying();
    EXPECT_EQ(read_setting(settings_path(), "显示", "语言", "none"), c.stored ? c.stored : "none");
    EXPECT_EQ(read_setting(settings_path(), "状态", "正在使用"), "别的箱子");
}

INSTANTIATE_TEST_SUITE_P(Choices, LanguageAtStart,
                         ::testing::Values(StartCase{true, nullptr, false}, StartCase{false, nullptr, true},
                                           StartCase{false, "zh", false}, StartCase{true, "en", true},
                                           StartCase{false, "fr", true}));

TEST_F(AppFixture, ANewcomerOnAnEnglishWindowsMeetsEnglishAndReadmeTxt) {
    headless::set_user_interface_chinese(false);
    driver->answer_message_box(result_ok);
    ASSERT_EQ(start(), std::nullopt);
    const auto shown = driver->take_shown_dialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Welcome to Kistvar. Please set the folders first.");
    EXPECT_EQ(shown[0].caption, "Kistvar");
    EXPECT_EQ(w().超级按钮高级->tool_tip_text(), "Back");

    driver->click(*w().按钮保存);  // English as Windows speaks it: no choice stored
    EXPECT_EQ(read_setting(settings_path(), "显示", "语言", "none"), "none");
    EXPECT_TRUE(test::exists_on_disk(program_folder + "\\readme.txt"));
    EXPECT_FALSE(test::exists_on_disk(program_folder + "\\说明.txt"));
    driver->click(*w().超级按钮说明);
    EXPECT_EQ(driver->take_shown_dialogs().at(0).text, program_folder + "\\readme.txt");
}

class LanguageSwitch : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        write_standard_settings("别的箱子");
        put_my_box("mine");
        ASSERT_EQ(start(), std::nullopt);
        driver->click(*w().超级按钮高级);
    }
    void pick_and_save(int item) {
        w().组合框5->set_current_index(item);
        driver->click(*w().按钮保存);
    }
};

TEST_F(LanguageSwitch, SaveSpeaksTheChoiceAtOnceEverywhereAndCancelRestoresIt) {
    w().组合框5->set_current_index(1);
    driver->click(*w().按钮取消);
    EXPECT_EQ(w().组合框5->current_index(), 0);
    EXPECT_EQ(headless::shown_text(w(), "按钮保存"), "保存");

    driver->click(*w().超级按钮内容);  // open while the language changes
    pick_and_save(1);
    EXPECT_EQ(read_setting(settings_path(), "显示", "语言"), "en");
    EXPECT_EQ(headless::shown_text(w(), ""), "Kistvar for Torchlight 2  v4.0");
    EXPECT_EQ(headless::shown_text(w(), "组合框3"), "Small icons|Large icons");
    EXPECT_EQ(headless::shown_text(w(), "打开备份文件夹"), "Open backups folder");
    EXPECT_EQ(w().超级按钮高级->tool_tip_text(), "Back");
    EXPECT_EQ(w().超级按钮新建->tool_tip_text(), "New box");
    EXPECT_EQ(w().状态条1->status_text(1), "another box");
    EXPECT_EQ(w().箱子内容->columns(), (std::vector<std::string>{"Item", "Quantity", "Level", "Place"}));

    driver->click(*w().超级按钮高级);
    driver->click_item(*w().超级列表框我的箱子, 0);
    EXPECT_EQ(w().箱子内容->summary(), "mine: 1 item(s) (gear 1, consumables 0, spells 0)");
    driver->click(*w().超级按钮新建);
    EXPECT_EQ(titles(*w().超级列表框我的箱子),
              (std::vector<std::string>{"mine", "MYBOX 2012-10-23 14.05.00"}));
    EXPECT_EQ(driver->take_shown_dialogs().back().text, "A new box was made.");

    driver->click(*w().超级按钮高级);
    pick_and_save(0);
    EXPECT_EQ(read_setting(settings_path(), "显示", "语言"), "zh");
    EXPECT_EQ(headless::shown_text(w(), "打开备份文件夹"), "打开备份文件夹");
    EXPECT_EQ(w().超级按钮高级->tool_tip_text(), "返回");
    EXPECT_EQ(w().状态条1->status_text(1), "别的箱子");
    EXPECT_EQ(w().箱子内容->columns(), (std::vector<std::string>{"物品", "数量", "等级", "位置"}));
}

}  // namespace
}  // namespace kistvar
