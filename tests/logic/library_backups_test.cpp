// What guards a box beyond the program's own file moves: the question while
// the game runs, the backups in "备份" and their limit, and deletes into the
// Recycle Bin.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>

#include "logic/library_fixture.h"
#include "platform/dialogs.h"

namespace kistvar {
namespace {

using test::exists_on_disk;
using test::box_on_disk;
using test::ShownDialog;

// The headless clock stands at 2012-10-23 14:05:00.
constexpr const char* stamp = "2012-10-23 14.05.00 ";

class Guards : public test::Library {
protected:
    std::string backups() const { return box_folder + "\\备份"; }
    // Every file in a folder with its content, by name.
    static std::map<std::string, std::string> files_in(const std::string& folder) {
        std::map<std::string, std::string> files;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(test::native_path(folder), error))
            files[entry.path().filename().string()] = box_on_disk(folder + "\\" + entry.path().filename().string());
        return files;
    }
    void swap_selected() { driver->click(*w().超级按钮更换); }
};

TEST_F(Guards, WhileTheGameRunsASwapAsksFirstAndCancelChangesNothing) {
    put_stash("content of M");
    put_my_box("T", "content of T");
    start_library("M");
    quiet();  // the question shows all the same
    headless::set_running_processes({"explorer.exe", "TORCHLIGHT2.EXE"});
    select(mine(), "T");
    driver->answer_message_box(result_cancel);

    swap_selected();

    const ShownDialog question = only_message();
    EXPECT_EQ(question.text,
              "《火炬之光2》正在运行。载入人物后，游戏存档时会用它内存里的仓库覆盖存档槽，刚换入的箱子会丢失。"
              "\r\n请先退出游戏，或回到标题画面再更换。\r\n仍要更换吗？");
    EXPECT_EQ(question.caption, "游戏正在运行");
    EXPECT_EQ(question.style, 0x131);  // OK/Cancel, warning, Cancel the default
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_EQ(box_on_disk(my_box("T")), "content of T");
    EXPECT_FALSE(exists_on_disk(backups()));
    EXPECT_EQ(stored_marker(), "M");

    driver->answer_message_box(result_ok);
    swap_selected();
    EXPECT_EQ(only_message().caption, "游戏正在运行");
    EXPECT_EQ(box_on_disk(stash()), "content of T");

    headless::set_running_processes({"Torchlight2.exe.bak"});
    select(mine(), "M");
    swap_selected();
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(box_on_disk(stash()), "content of M");
}

// Before the slot's copy of a saved box is replaced and before a my box
// enters the slot (where the game may overwrite it), each is copied aside.
TEST_F(Guards, ASwapBacksUpTheSlotsCopyAndTheMyBoxItPutsIn) {
    struct Case {
        const char* marker;
        bool chosen_is_my_box;
        bool stash_present;
        std::map<std::string, std::string> expected;
    };
    const std::string other = std::string(stamp) + "别的箱子.bin", mine_t = std::string(stamp) + "T.bin";
    const Case cases[] = {
        {"别的箱子", true, true, {{other, "slot"}, {mine_t, "content of T"}}},
        {"别的箱子", false, true, {{other, "slot"}}},
        {"别的箱子", false, false, {}},
        {"M", true, true, {{mine_t, "content of T"}}},
        {"M", false, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.marker) + (c.chosen_is_my_box ? " -> T" : " -> S"));
        TearDown();
        std::filesystem::remove_all(test::native_path(save_folder));
        SetUp();
        test::make_folder_on_disk(save_folder);
        if (c.stash_present) put_stash("slot");
        put_my_box("T", "content of T");
        put_saved_box("S", "template S");
        start_library(c.marker);
        quiet();
        select(c.chosen_is_my_box ? mine() : saved(), c.chosen_is_my_box ? "T" : "S");
        swap_selected();
        EXPECT_TRUE(shown().empty());
        EXPECT_EQ(files_in(backups()), c.expected);
        EXPECT_EQ(box_on_disk(stash()), c.chosen_is_my_box ? "content of T" : "template S");
    }
}

TEST_F(Guards, AFailedBackupStopsTheOperationWithAMessageEvenWhenQuiet) {
    put_stash("content of M");
    put_my_box("T", "content of T");
    start_library("M");
    quiet();
    select(mine(), "T");
    fault_seam::fail_paths_containing("备份");

    swap_selected();

    const ShownDialog message = only_message();
    EXPECT_TRUE(message.text.starts_with("备份箱子  T  失败，操作已取消！  ToT\r\n\r\n备份文件夹：" + backups()))
        << message.text;
    EXPECT_EQ(message.style, style_stop);
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_EQ(box_on_disk(my_box("T")), "content of T");
    EXPECT_EQ(stored_marker(), "M");
}

// A swap's backup keeps the newest hundred. Only backups older than the one
// just written, by the stamp of their name and by write time, are pruned,
// the oldest first: never the new one, nor any stamped or written after it
// (a clock set back, backups copied from another computer), nor a player's
// own file, however much it looks like a backup. Backups of one second go
// by write time across titles, and a title's next backup of that second
// takes the number after its highest.
TEST_F(Guards, TheNewestHundredBackupsStayAndNamesTakenGetANumber) {
    // Of the same second as the new backup, and written before it.
    const std::string taken = std::string(stamp) + "T.bin";
    enum class Before { older_days, later_days, one_second };
    struct Case {
        const char* what;
        Before before;       // the hundred backups there before
        bool written_later;  // ... and their files written after the swap's
        std::vector<std::string> pruned;
        std::string numbered;  // the new backup
    } const cases[] = {
        {"older backups", Before::older_days, false,
         {"2012-01-01 09.00.00 old.bin", "2012-01-02 09.00.00 old.bin"}, std::string(stamp) + "T (2).bin"},
        {"the clock set back", Before::later_days, false, {taken}, std::string(stamp) + "T (2).bin"},
        {"backups from another computer", Before::older_days, true, {taken}, std::string(stamp) + "T (2).bin"},
        // "U" and "V" take turns, "U" first, numbered from 3 as if their first two had gone.
        {"one second's backups of two titles", Before::one_second, false,
         {std::string(stamp) + "U (3).bin", std::string(stamp) + "V (3).bin"}, std::string(stamp) + "T (2).bin"},
    };
    const std::vector<std::string> players_own = {"notes.bin", "2011.01.01 09-00-00 mine.bin",
                                                  "2011-01-01 09.00.00mine.bin"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        std::filesystem::remove_all(test::native_path(save_folder));
        SetUp();
        put_stash("content of M");
        put_my_box("T", "content of T");
        test::make_folder_on_disk(backups());
        std::vector<std::string> hundred;  // in the order they were written
        for (int n = 1; n <= 100; ++n) {
            char name[64];
            if (c.before == Before::one_second)
                std::snprintf(name, sizeof name, "%s%s (%d).bin", stamp, n % 2 ? "U" : "V", 2 + (n + 1) / 2);
            else
                std::snprintf(name, sizeof name, "%d-%02d-%02d 09.00.00 old.bin",
                              c.before == Before::later_days ? 2013 : 2012, 1 + (n - 1) / 28, 1 + (n - 1) % 28);
            hundred.push_back(name);
        }
        std::map<std::string, std::string> before;
        for (const std::string& name : players_own) before[name] = "the player's own";
        before[taken] = "taken";
        for (const std::string& name : hundred) before[name] = "old";
        const auto now = std::filesystem::file_time_type::clock::now();
        for (const auto& [name, content] : before) test::write_on_disk(backups() + "\\" + name, content);
        for (std::size_t n = 0; n < hundred.size(); ++n)
            std::filesystem::last_write_time(test::native_path(backups() + "\\" + hundred[n]),
                                             c.written_later ? now + std::chrono::hours(1)
                                                             : now - std::chrono::minutes(200 - n));
        start_library("M");
        quiet();
        select(mine(), "T");

        swap_selected();

        std::map<std::string, std::string> expected = before;
        for (const std::string& name : c.pruned) expected.erase(name);
        expected[c.numbered] = "content of T";
        EXPECT_EQ(files_in(backups()), expected);
    }
}

// The player may clear backups out or copy some in between two swaps: each
// swap counts the backups there are, not those the swap before it left.
TEST_F(Guards, EachSwapCountsTheBackupsThePlayerChangedSinceTheLast) {
    put_stash("content of M");
    put_my_box("T", "content of T");
    test::make_folder_on_disk(backups());
    auto put_backups = [&](const char* shape, int count) {
        std::vector<std::string> names;  // the oldest first
        for (int n = 1; n <= count; ++n) {
            char name[64];
            std::snprintf(name, sizeof name, shape, 1 + (n - 1) / 28, 1 + (n - 1) % 28);
            names.push_back(name);
            test::write_on_disk(backups() + "\\" + name, "old");
            std::filesystem::last_write_time(test::native_path(backups() + "\\" + name),
                                             std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
        }
        return names;
    };
    const std::vector<std::string> old = put_backups("2012-%02d-%02d 09.00.00 old.bin", 100);
    start_library("M");
    quiet();
    select(mine(), "T");
    swap_selected();  // 101: the oldest goes
    for (int n = 97; n < 100; ++n) std::filesystem::remove(test::native_path(backups() + "\\" + old[n]));
    select(mine(), "M");
    swap_selected();  // 98: none goes
    EXPECT_TRUE(exists_on_disk(backups() + "\\" + old[1]));
    const std::vector<std::string> copied = put_backups("2011-%02d-%02d 09.00.00 copied.bin", 5);
    select(mine(), "T");
    swap_selected();  // 104: the four oldest go, all copied in

    std::map<std::string, std::string> expected = {{copied[4], "old"},
                                                   {std::string(stamp) + "T.bin", "content of T"},
                                                   {std::string(stamp) + "M.bin", "content of M"},
                                                   {std::string(stamp) + "T (2).bin", "content of T"}};
    for (int n = 1; n < 97; ++n) expected[old[n]] = "old";
    EXPECT_EQ(files_in(backups()), expected);
}

TEST_F(Guards, ADropThatReplacesABoxBacksItUpFirst) {
    put_saved_box("S", "template S");
    test::write_on_disk(temp / "S.bin", test::stash_holding("dropped S"));
    start_library();
    driver->answer_message_box(result_ok);  // replace

    driver->drop_files(saved(), {temp / "S.bin"});

    EXPECT_EQ(box_on_disk(saved_box("S")), "dropped S");
    EXPECT_EQ(files_in(backups()), (std::map<std::string, std::string>{{std::string(stamp) + "S.bin", "template S"}}));
}

// A bin can delete for good without a word, so a backup comes first either way.
TEST_F(Guards, DeleteIsBackedUpFirstThenGoesToTheRecycleBinWhereThereIsOne) {
    put_my_box("A", "content of A");
    put_my_box("B", "content of B");
    start_library("M");
    for (const bool has_bin : {true, false}) {
        if (!has_bin) headless::set_recycle_folder("");
        select(mine(), has_bin ? "A" : "B");
        driver->answer_message_box(result_ok);
        driver->click(*w().超级按钮删除);
        EXPECT_EQ(shown().size(), 2u);  // the question and the success
    }
    EXPECT_FALSE(exists_on_disk(my_box("A")));
    EXPECT_FALSE(exists_on_disk(my_box("B")));
    EXPECT_EQ(files_in(recycle_folder), (std::map<std::string, std::string>{{"1 A.bin", "content of A"}}));
    EXPECT_EQ(files_in(backups()), (std::map<std::string, std::string>{{std::string(stamp) + "A.bin", "content of A"},
                                                                       {std::string(stamp) + "B.bin", "content of B"}}));
}

TEST_F(Guards, TheMenuItemOpensTheBackupsFolderMakingItWhenMissing) {
    start_library();
    driver->answer_popup_menu(w().打开备份文件夹.get());
    driver->right_click_item(mine(), -1);

    auto dialogs = shown();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].text, "无选项右键菜单");
    EXPECT_EQ(dialogs[1].kind, ShownDialog::Kind::shell_open);
    EXPECT_EQ(dialogs[1].text, backups());
    EXPECT_TRUE(std::filesystem::is_directory(test::native_path(backups())));
}

}  // namespace
}  // namespace kistvar
