// MYBOX.ini into the path table and the controls, and back.
#include <gtest/gtest.h>

#include <filesystem>

#include "options/window_settings.h"
#include "platform/gb18030.h"
#include "settings/settings_procedures.h"
#include "support/app_fixture.h"
#include "support/headless/script.h"

namespace kistvar {
namespace {

using test::AppFixture;

class Settings : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        app->state.settings_file_path = settings_path();
    }
    const PathTable& slots() const { return app->state.paths; }
    void expect_lists(int view_style, int sort_order) {
        for (ui::ListView* list : {w().超级列表框我的箱子.get(), w().超级列表框保存箱子.get()}) {
            EXPECT_EQ(list->view_style(), view_style);
            EXPECT_EQ(list->sort_order(), sort_order);
        }
    }
};

TEST(StashFileName, OnlyTheExactTextZeroCountsAsZero) {
    EXPECT_EQ(stash_file_name_for("0", "0"), "sharedstash_v2.bin");
    EXPECT_EQ(stash_file_name_for("0", "1"), "sharedstashh_v2.bin");
    EXPECT_EQ(stash_file_name_for("0", "2"), "sharedstashh_v2.bin");
    EXPECT_EQ(stash_file_name_for("1", "0"), "sharedstash.bin");
    EXPECT_EQ(stash_file_name_for("1", "1"), "sharedstashh.bin");
    for (const char* not_zero : {"", "00", "-1", " 0", "0 ", "０"})
        EXPECT_EQ(stash_file_name_for(not_zero, not_zero), "sharedstashh.bin") << not_zero;
}

TEST_F(Settings, WithoutAFileEverySettingTakesItsDefaultAndNothingIsWritten) {
    load_settings(*app);

    EXPECT_EQ(slots()[Slot::save_folder], documents_folder + "\\My Games\\Runic Games\\Torchlight 2\\save");
    EXPECT_EQ(slots()[Slot::box_folder], documents_folder + "\\My Games\\Runic Games\\Torchlight 2\\save\\box");
    EXPECT_EQ(slots()[in_use_marker], "MYBOX 1");
    for (Slot slot : {version_setting, mode_setting, view_setting, sort_setting, quiet_setting})
        EXPECT_EQ(slots()[slot], "0") << slot;
    EXPECT_EQ(app->state.stash_file_name, "sharedstash_v2.bin");

    EXPECT_EQ(w().编辑框存档路径->content(), save_folder);
    EXPECT_EQ(w().编辑框箱子路径->content(), box_folder);
    for (ui::ComboBox* combo : {w().组合框1.get(), w().组合框2.get(), w().组合框3.get(), w().组合框4.get()})
        EXPECT_EQ(combo->current_index(), 0);
    expect_lists(ui::ListView::report, ui::ListView::ascending);
    EXPECT_EQ(w().状态条1->status_text(1), "MYBOX 1");
    EXPECT_TRUE(w().小图标->checked());
    EXPECT_FALSE(w().大图标->checked());
    EXPECT_TRUE(w().正向排序->checked());
    EXPECT_FALSE(w().逆向排序->checked());
    EXPECT_FALSE(w().选择框信息->checked());
    EXPECT_FALSE(settings_exist());
}

TEST_F(Settings, WhenTheDocumentsFolderIsUnknownTheDefaultsAreRelative) {
    headless::set_documents_folder("");
    load_settings(*app);
    EXPECT_EQ(slots()[Slot::save_folder], "My Games\\Runic Games\\Torchlight 2\\save");
    EXPECT_EQ(slots()[Slot::box_folder], "My Games\\Runic Games\\Torchlight 2\\save\\box");
}

// Steam copies save under the player's Steam number: a first run finds the
// one numbered folder that holds a stash, and only when the choice is clear.
TEST_F(Settings, AFirstRunTakesTheOnlyNumberedSaveFolderHoldingAStash) {
    struct Case {
        const char* name;
        std::vector<std::string> stashes;  // relative to the default save folder
        std::string settings;
        std::string expected;  // relative to the default save folder
    };
    const Case cases[] = {
        {"one numbered folder", {"76561198000000001\\sharedstashh.bin"}, "", "\\76561198000000001"},
        {"with a stash of its own", {"sharedstash.bin", "76561198000000001\\sharedstash_v2.bin"}, "", ""},
        {"two numbered folders",
         {"76561198000000001\\sharedstash_v2.bin", "76561198000000002\\sharedstash_v2.bin"}, "", ""},
        {"a name not all digits", {"7656x\\sharedstash_v2.bin", "backup.tmp"}, "", ""},
        {"the key is stored", {"76561198000000001\\sharedstash_v2.bin"}, "[路径]\r\n存档=" + save_folder + "\r\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(test::native_path(save_folder));
        test::make_folder_on_disk(my_boxes_folder);
        test::make_folder_on_disk(save_folder + "\\76561198000000009");  // numbered, without a stash
        for (const std::string& stash : c.stashes) {
            const std::string path = save_folder + "\\" + stash;
            test::make_folder_on_disk(path.substr(0, path.rfind('\\')));
            test::write_on_disk(path, "stash");
        }
        std::filesystem::remove(test::native_path(settings_path()));
        if (!c.settings.empty()) write_settings(c.settings);
        load_settings(*app);
        EXPECT_EQ(slots()[Slot::save_folder], save_folder + c.expected);
        EXPECT_EQ(slots()[Slot::box_folder], box_folder);
    }
}

TEST_F(Settings, StoredValuesReachTheTableTheControlsTheListsAndTheMenu) {
    write_settings(
        "[路径]\r\n存档=D:\\游戏\\存档\r\n箱子=D:\\箱子\r\n"
        "[高级]\r\n版本=1\r\n模式=1\r\n"
        "[显示]\r\n图标大小=1\r\n排列顺序=1\r\n显示信息框=1\r\n"
        "[状态]\r\n正在使用=宝石箱\r\n");
    load_settings(*app);

    EXPECT_EQ(slots()[Slot::save_folder], "D:\\游戏\\存档");
    EXPECT_EQ(slots()[Slot::box_folder], "D:\\箱子");
    EXPECT_EQ(app->state.stash_file_name, "sharedstashh.bin");
    EXPECT_EQ(w().编辑框存档路径->content(), "D:\\游戏\\存档");
    EXPECT_EQ(w().组合框1->current_index(), 1);
    EXPECT_EQ(w().组合框2->current_index(), 1);
    EXPECT_EQ(w().组合框3->current_index(), 1);
    EXPECT_EQ(w().组合框4->current_index(), 1);
    expect_lists(ui::ListView::large_icons, ui::ListView::descending);
    EXPECT_EQ(w().状态条1->status_text(1), "宝石箱");
    EXPECT_TRUE(w().大图标->checked());
    EXPECT_FALSE(w().小图标->checked());
    EXPECT_TRUE(w().逆向排序->checked());
    EXPECT_FALSE(w().正向排序->checked());
    EXPECT_TRUE(w().选择框信息->checked());
}

TEST_F(Settings, KeysWithEmptyValuesReadAsEmptyTextNotAsTheirDefaults) {
    write_settings(
        "[路径]\r\n存档=\r\n箱子=\r\n[高级]\r\n版本=\r\n模式=\r\n"
        "[显示]\r\n图标大小=\r\n排列顺序=\r\n显示信息框=\r\n[状态]\r\n正在使用=\r\n");
    load_settings(*app);

    for (int slot = Slot::save_folder; slot <= quiet_setting; ++slot) EXPECT_EQ(slots()[slot], "") << slot;
    // Empty is "anything else" for the stash name and the menu, index 0 for the combo boxes.
    EXPECT_EQ(app->state.stash_file_name, "sharedstashh.bin");
    EXPECT_EQ(w().组合框1->current_index(), 0);
    EXPECT_EQ(w().组合框3->current_index(), 0);
    expect_lists(ui::ListView::report, ui::ListView::ascending);
    EXPECT_TRUE(w().大图标->checked());
    EXPECT_TRUE(w().逆向排序->checked());
    EXPECT_TRUE(w().选择框信息->checked());
    EXPECT_EQ(w().状态条1->status_text(1), "");
}

TEST_F(Settings, IndexesOutsideTheItemsAreClampedByTheComboBoxesButNotForTheLists) {
    write_settings("[高级]\r\n版本=99999999999\r\n模式=2\r\n[显示]\r\n图标大小=5\r\n排列顺序=-3\r\n");
    load_settings(*app);

    EXPECT_EQ(w().组合框1->current_index(), 1);
    EXPECT_EQ(w().组合框2->current_index(), 1);
    EXPECT_EQ(app->state.stash_file_name, "sharedstashh.bin");
    EXPECT_EQ(w().组合框3->current_index(), 1);
    EXPECT_EQ(w().组合框4->current_index(), -1);
    // Item values of indexes 5 and -3 do not exist: -1, which the lists clamp to 0.
    expect_lists(ui::ListView::large_icons, ui::ListView::unsorted);
}

TEST_F(Settings, NumbersThatFitNoIndexStillGiveAnIndex) {
    write_settings("[高级]\r\n版本=nan\r\n模式=-1e999\r\n[显示]\r\n图标大小=1e999\r\n");
    load_settings(*app);
    EXPECT_EQ(w().组合框1->current_index(), 0);
    EXPECT_EQ(w().组合框2->current_index(), -1);
    EXPECT_EQ(w().组合框3->current_index(), 1);
}

TEST_F(Settings, NumbersAreReadFromTheLeadOfTheTextIncludingFullWidthDigits) {
    write_settings("[高级]\r\n版本=0\r\n模式=2\r\n[显示]\r\n图标大小=１\r\n排列顺序=1.9 逆向\r\n");
    load_settings(*app);

    EXPECT_EQ(app->state.stash_file_name, "sharedstashh_v2.bin");
    EXPECT_EQ(w().组合框3->current_index(), 1);
    EXPECT_EQ(w().组合框4->current_index(), 1);
    expect_lists(ui::ListView::large_icons, ui::ListView::descending);
}

TEST_F(Settings, StoreOptionsWritesTheSevenKeysInOrderInGb18030) {
    load_settings(*app);
    w().编辑框存档路径->set_content("C:\\存档\\");
    w().编辑框箱子路径->set_content("");
    w().组合框1->set_current_index(1);
    w().组合框4->set_current_index(1);
    w().选择框信息->set_checked(true);

    store_options(*app);

    const std::string expected =
        "[路径]\r\n存档=C:\\存档\\\r\n箱子=\r\n"
        "[高级]\r\n版本=1\r\n模式=0\r\n"
        "[显示]\r\n图标大小=0\r\n排列顺序=1\r\n显示信息框=1\r\n";
    EXPECT_EQ(settings_bytes(), gb18030::from_utf8(expected));
    EXPECT_EQ(settings_bytes().substr(0, 7), "[\xC2\xB7\xBE\xB6]\r");  // 路径 in GBK
    // Storing changes no slot: the load that follows does.
    EXPECT_EQ(slots()[version_setting], "0");
}

TEST_F(Settings, StoreDisplayStateWritesViewSortAndMarkerFromTheTable) {
    write_settings("[路径]\r\n存档=C:\\s\r\n[显示]\r\n显示信息框=1\r\n");
    load_settings(*app);
    app->state.paths[view_setting] = "1";
    app->state.paths[sort_setting] = "0";
    app->state.paths[in_use_marker] = "别的箱子";
    app->state.paths[Slot::save_folder] = "changed in memory only";

    store_display_state(app->state.settings_file_path, app->state.paths);

    EXPECT_EQ(settings_text(),
              "[路径]\r\n存档=C:\\s\r\n[显示]\r\n显示信息框=1\r\n图标大小=1\r\n排列顺序=0\r\n"
              "[状态]\r\n正在使用=别的箱子\r\n");
}

TEST_F(Settings, TheInUseMarkerIsWrittenAloneAndAtOnce) {
    load_settings(*app);
    EXPECT_TRUE(write_in_use_marker(app->state.settings_file_path, "新箱子"));
    EXPECT_EQ(settings_bytes(), gb18030::from_utf8("[状态]\r\n正在使用=新箱子\r\n"));
}

}  // namespace
}  // namespace kistvar
