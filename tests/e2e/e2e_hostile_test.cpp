// The real window in a hostile world: the stash held open by another process,
// read-only boxes and settings, the box folder on another drive, paths past
// 260 characters, names outside GBK, the lists hidden behind the options page.
// Whatever fails, every box's content is still somewhere on disk, and what
// the program says matches what it did.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "e2e/e2e_fixture.h"
#include "e2e/e2e_hostile_disk.h"
#include "platform/dialogs.h"
#include "platform/settings_file.h"
#include "platform/win32/main_window.h"

namespace kistvar::test {
namespace {

using Strings = std::vector<std::string>;

class Hostile : public EndToEnd {
protected:
    // A box folder somewhere else than the fixture's, made before the start.
    void use_box_folder(std::string folder) {
        box_folder = std::move(folder);
        my_boxes_folder = box_folder + "\\MYBOX";
        hostile::make_folders(my_boxes_folder);
    }
    void put(const std::string& path, std::string_view content) { hostile::put(path, test::stash_holding(content)); }
    std::string content_of(const std::string& path) {
        std::optional<std::string> bytes = hostile::get(path);
        return bytes ? test::box_tag(*bytes) : "<missing>";
    }
    // The boxes' files; the backups are copies made on purpose and are left out.
    hostile::Snapshot files() {
        hostile::Snapshot all = hostile::snapshot({{"save", save_folder}, {"box", box_folder}});
        std::erase_if(all, [](const auto& file) { return file.first.starts_with("box\\备份\\"); });
        return all;
    }
    // The message boxes' texts since the last look.
    Strings message_texts() {
        Strings texts;
        for (const auto& message : shown_messages()) texts.push_back(message.text);
        return texts;
    }
    void swap_by_button(ui::ListView& list, std::string_view title) {
        select(list, title);
        driver->click(*w().超级按钮更换);
    }
    void rename_from_menu(ui::ListView& list, std::string_view title, std::string typed) {
        driver->answer_popup_menu(w().重命名.get());
        driver->right_click_item(list, index_of(list, title));
        driver->finish_label_edit(list, std::move(typed));
    }
    void save_as(ui::ListView& list, std::string_view title, std::string name) {
        select(list, title);
        driver->answer_input_box(std::move(name));
        driver->click(*w().超级按钮另存);
    }
};

// --- The stash held open by the game --------------------------------------------------

TEST_F(Hostile, AStashHeldWithoutSharingFailsTheSwapAndMovesNothing) {
    put_stash("content of M");
    put_my_box("T", "content of T");
    put_saved_box("S", "template S");
    write_settings("M");
    start();
    const hostile::Snapshot before = files();

    hostile::FileHolder holder(stash());
    ASSERT_TRUE(holder.holding()) << "the second process could not hold the stash";
    swap_by_button(mine(), "T");
    EXPECT_EQ(message_texts(), Strings{"移动箱子失败！  ToT"});
    swap_by_button(saved(), "S");
    EXPECT_EQ(message_texts(), Strings{"移动箱子失败！  ToT"});
    holder.release();

    EXPECT_EQ(files(), before);
    EXPECT_EQ(items(mine()), (Items{{"M", 1}, {"T", 0}}));
    EXPECT_EQ(status(), "M");
    EXPECT_EQ(stored("状态", "正在使用"), "M");

    // Once the game lets go, the same swap works.
    swap_by_button(mine(), "T");
    EXPECT_EQ(message_texts(), Strings{"置换箱子  T  成功！  ^_^"});
    EXPECT_EQ(content_of(stash()), "content of T");
    EXPECT_EQ(content_of(my_box("M")), "content of M");
}

TEST_F(Hostile, ASavedBoxCopyHeldWithoutSharingIsNotOverwritten) {
    put_stash("copy of a template, played on");
    put_my_box("T", "content of T");
    put_saved_box("S", "template S");
    write_settings("别的箱子");
    start();
    const hostile::Snapshot before = files();

    // The slot's copy cannot even be read for its backup: the swap stops there.
    hostile::FileHolder holder(stash());
    ASSERT_TRUE(holder.holding());
    for (const auto& [list, title] : {std::pair{&saved(), "S"}, std::pair{&mine(), "T"}}) {
        swap_by_button(*list, title);
        const Strings texts = message_texts();
        ASSERT_EQ(texts.size(), 1u) << title;
        EXPECT_TRUE(texts[0].starts_with("备份箱子  别的箱子  失败，操作已取消！  ToT")) << texts[0];
    }
    holder.release();

    EXPECT_EQ(files(), before);
    EXPECT_EQ(stored("状态", "正在使用"), "别的箱子");
    EXPECT_EQ(items(mine()), (Items{{"T", 0}}));
}

// --- Read-only boxes --------------------------------------------------------------------

// Read-only does not keep a box from the Recycle Bin, as in Explorer; the
// backup before it holds it too.
TEST_F(Hostile, AReadOnlyBoxGoesToTheRecycleBinBackedUpLikeAnyOther) {
    put_stash("content of M");
    put_my_box("T", "content of T");
    put_saved_box("S", "template S");
    hostile::set_read_only(my_box("T"), true);
    hostile::set_read_only(saved_box("S"), true);
    write_settings("M");
    start();

    select(mine(), "T");
    driver->answer_message_box(result_ok);
    driver->click(*w().超级按钮删除);
    EXPECT_EQ(message_texts(), (Strings{"将删除箱子  T ，是否确认删除？", "删除箱子  T  成功！  ^_^"}));
    driver->answer_popup_menu(w().删除.get());
    driver->answer_message_box(result_ok);
    driver->right_click_item(saved(), index_of(saved(), "S"));
    EXPECT_EQ(message_texts(), (Strings{"将删除箱子  S ，是否确认删除？", "删除箱子  S  成功！  ^_^"}));

    EXPECT_FALSE(exists_on_disk(my_box("T")));
    EXPECT_FALSE(exists_on_disk(saved_box("S")));
    EXPECT_EQ(titles(mine()), Strings{"M"});
    EXPECT_TRUE(titles(saved()).empty());
    Strings backed_up;
    for (const auto& [name, bytes] : hostile::snapshot({{"backups", box_folder + "\\备份"}}))
        backed_up.push_back(test::box_tag(bytes));
    std::sort(backed_up.begin(), backed_up.end());
    EXPECT_EQ(backed_up, (Strings{"content of T", "template S"}));
}

TEST_F(Hostile, SwappingReadOnlyBoxesInAndOutLosesNoContent) {
    put_stash("content of M");
    put_my_box("T", "content of T");
    put_saved_box("S", "template S");
    hostile::set_read_only(stash(), true);
    hostile::set_read_only(my_box("T"), true);
    hostile::set_read_only(saved_box("S"), true);
    write_settings("M");
    start();
    const Strings all_contents = hostile::contents(files());

    // Whatever each swap says, no box's content is gone and the list, the
    // marker and the files agree on which box is in the slot.
    auto check = [&](const char* step) {
        message_texts();
        const std::string marker = stored("状态", "正在使用");
        Strings now = hostile::contents(files());
        if (marker == "别的箱子") {
            // The slot holds a copy of the template; the my boxes are all home.
            EXPECT_EQ(content_of(stash()), "template S") << step;
            now.erase(std::find(now.begin(), now.end(), test::stash_holding("template S")));
        } else {
            EXPECT_EQ(content_of(stash()), "content of " + marker) << step;
            EXPECT_FALSE(hostile::exists(my_box(marker))) << step;
        }
        EXPECT_EQ(now, all_contents) << step;
    };
    swap_by_button(mine(), "T");
    check("T in");
    swap_by_button(mine(), "M");
    check("M back");
    swap_by_button(saved(), "S");
    check("S in");
    swap_by_button(mine(), "T");
    check("T in after S");
    for (const std::string& name : hostile::names_in(my_boxes_folder))
        hostile::set_read_only(my_boxes_folder + "\\" + name, false);
    hostile::set_read_only(stash(), false);
    hostile::set_read_only(saved_box("S"), false);
}

// A read-only my box is moved into the slot, not copied: a copy left in
// MYBOX would go its own way beside the slot's, and stop every later swap.
// One an older version left so is backed up and cleared when the box goes
// home: the slot holds the box as the game has kept it since.
TEST_F(Hostile, AReadOnlyMyBoxIsMovedIntoTheSlotAndAnOldCopyLeftBehindIsCleared) {
    put_stash("copy of S, played on");
    put_my_box("T", "content of T");
    put_saved_box("S", "template S");
    hostile::set_read_only(my_box("T"), true);
    write_settings("别的箱子");
    start();

    swap_by_button(mine(), "T");
    EXPECT_EQ(message_texts(), Strings{"置换箱子  T  成功！  ^_^"});
    EXPECT_EQ(content_of(stash()), "content of T");
    EXPECT_EQ(hostile::names_in(my_boxes_folder), Strings{});

    // As an older version left it: the game has played on in the slot.
    put(stash(), "content of T, played on");
    put_my_box("T", "content of T");
    hostile::set_read_only(my_box("T"), true);
    driver->click(*w().超级按钮刷新);
    swap_by_button(saved(), "S");
    EXPECT_EQ(message_texts(), Strings{"置换箱子  S  成功！  ^_^"});
    EXPECT_EQ(content_of(my_box("T")), "content of T, played on");
    EXPECT_EQ(items(mine()), (Items{{"T", 0}}));
    Strings backed_up;
    for (const auto& [name, bytes] : hostile::snapshot({{"backups", box_folder + "\\备份"}}))
        backed_up.push_back(test::box_tag(bytes));
    std::sort(backed_up.begin(), backed_up.end());
    EXPECT_EQ(backed_up, (Strings{"content of T", "content of T", "copy of S, played on"}));
}

// A copy or a move keeps the read-only attribute; the slot must not.
TEST_F(Hostile, WhateverEntersTheSlotIsLeftWritable) {
    put_stash("content of M");
    put_my_box("A", "content of A");
    put_saved_box("S", "template S");
    hostile::set_read_only(my_box("A"), true);
    hostile::set_read_only(saved_box("S"), true);
    write_settings("M");
    start();
    auto slot_is_read_only = [&] {
        return (GetFileAttributesW(hostile::long_form(stash()).c_str()) & FILE_ATTRIBUTE_READONLY) != 0;
    };

    swap_by_button(mine(), "A");
    EXPECT_FALSE(slot_is_read_only()) << "a moved read-only box";
    swap_by_button(saved(), "S");
    EXPECT_FALSE(slot_is_read_only()) << "a copy of a read-only saved box";
    swap_by_button(saved(), "S");
    swap_by_button(mine(), "M");
    EXPECT_EQ(message_texts(), (Strings{"置换箱子  A  成功！  ^_^", "置换箱子  S  成功！  ^_^",
                                        "置换箱子  S  成功！  ^_^", "置换箱子  M  成功！  ^_^"}));
    EXPECT_EQ(content_of(stash()), "content of M");
    EXPECT_EQ(content_of(my_box("A")), "content of A");
    hostile::set_read_only(saved_box("S"), false);
}

// --- The box folder set to the save folder ---------------------------------------------

TEST_F(Hostile, TheStashSlotIsNeverASavedBoxAndTheOptionsRefuseThatFolder) {
    use_box_folder(save_folder);
    put_stash("content of M");
    put_my_box("A", "content of A");
    put_saved_box("S", "template S");
    put(save_folder + "\\SHAREDSTASHH.BIN", "the hardcore stash");
    write_settings("M");
    start();
    EXPECT_EQ(titles(saved()), Strings{"S"});

    swap_by_button(mine(), "A");
    driver->click(*w().超级按钮刷新);
    EXPECT_EQ(titles(saved()), Strings{"S"});
    EXPECT_EQ(message_texts(), Strings{"置换箱子  A  成功！  ^_^"});

    driver->click(*w().超级按钮高级);
    w().编辑框箱子路径->set_content(save_folder);
    driver->click(*w().按钮保存);
    EXPECT_EQ(message_texts(), Strings{"箱子路径不能与存档路径相同"});
    EXPECT_EQ(content_of(stash()), "content of A");
    EXPECT_EQ(content_of(my_box("M")), "content of M");
}

// --- Smaller holes: a folder in the slot, a device name, a change of case --------------

TEST_F(Hostile, AFolderSlotADeviceNameAndALetterCaseRenameDoWhatTheySay) {
    hostile::make_folders(stash());
    put(stash() + "\\inside.txt", "not a stash");
    put_my_box("b", "content of b");
    put_saved_box("S", "template S");
    write_settings("M");
    start();

    swap_by_button(mine(), "b");
    EXPECT_EQ(message_texts(), Strings{"移动箱子失败！  ToT"});
    EXPECT_EQ(hostile::names_in(stash()), Strings{"inside.txt"});
    EXPECT_EQ(hostile::names_in(my_boxes_folder), Strings{"b.bin"});
    EXPECT_EQ(items(mine()), (Items{{"b", 0}, {"M", 1}}));

    TempFolder outside;
    driver->drop_files(saved(), {outside / "CON.bin"});
    EXPECT_EQ(message_texts(), Strings{"导入箱子  CON  失败！  ToT\r\n\r\n名称  CON  是系统保留的设备名。"});
    EXPECT_EQ(titles(saved()), Strings{"S"});

    rename_from_menu(mine(), "b", "B");
    rename_from_menu(saved(), "S", "s");
    EXPECT_EQ(message_texts(), Strings{});
    EXPECT_EQ(hostile::names_in(my_boxes_folder), Strings{"B.bin"});
    // The refused swap had backed b up first.
    EXPECT_EQ(hostile::names_in(box_folder), (Strings{"MYBOX", "s.bin", "备份"}));
    driver->click(*w().超级按钮刷新);
    EXPECT_EQ(titles(mine()), (Strings{"B", "M"}));
    EXPECT_EQ(titles(saved()), Strings{"s"});
    EXPECT_EQ(content_of(my_box("B")), "content of b");
}

// --- A box folder on another drive ------------------------------------------------------

TEST_F(Hostile, BoxesOnAnotherDriveSwapBackAndForthIntact) {
    hostile::MappedDrive drive;
    if (drive.root().empty()) GTEST_SKIP() << "no Wine prefix to map a drive letter in";
    use_box_folder(drive.root() + "\\箱子");
    put_stash("content of M");
    put_my_box("T", "content of T");
    put_my_box("U", "content of U");
    put_saved_box("S", "template S");
    write_settings("M");
    start();
    EXPECT_EQ(titles(mine()), (Strings{"M", "T", "U"}));

    swap_by_button(mine(), "T");
    swap_by_button(mine(), "U");
    swap_by_button(saved(), "S");
    swap_by_button(mine(), "M");
    EXPECT_EQ(message_texts(), (Strings{"置换箱子  T  成功！  ^_^", "置换箱子  U  成功！  ^_^",
                                        "置换箱子  S  成功！  ^_^", "置换箱子  M  成功！  ^_^"}));
    EXPECT_EQ(content_of(stash()), "content of M");
    EXPECT_EQ(content_of(my_box("T")), "content of T");
    EXPECT_EQ(content_of(my_box("U")), "content of U");
    EXPECT_EQ(content_of(saved_box("S")), "template S");
    EXPECT_EQ(hostile::names_in(my_boxes_folder), (Strings{"T.bin", "U.bin"}));
    EXPECT_EQ(hostile::names_in(save_folder), Strings{"sharedstash_v2.bin"});

    save_as(mine(), "T", "T 的副本");
    EXPECT_EQ(content_of(saved_box("T 的副本")), "content of T");
    close();
    window.reset();
}

// --- Paths past 260 characters ----------------------------------------------------------

TEST_F(Hostile, BoxesDeeperThan260CharactersAreListedSwappedAndSaved) {
    std::string deep = temp.path();
    for (int level = 0; deep.size() < 300; ++level) deep += "\\第" + std::to_string(level) + "层 a folder nested deep";
    use_box_folder(deep);
    ASSERT_GT(my_box("T").size(), 300u);
    put_stash("content of M");
    put(my_box("T"), "content of T");
    put(saved_box("S"), "template S");
    write_settings("M");
    start();
    EXPECT_EQ(items(mine()), (Items{{"M", 1}, {"T", 0}}));
    EXPECT_EQ(titles(saved()), Strings{"S"});

    swap_by_button(mine(), "T");
    swap_by_button(saved(), "S");
    swap_by_button(mine(), "M");
    save_as(mine(), "T", "deep copy");
    EXPECT_EQ(message_texts(), (Strings{"置换箱子  T  成功！  ^_^", "置换箱子  S  成功！  ^_^",
                                        "置换箱子  M  成功！  ^_^"}));
    EXPECT_EQ(content_of(stash()), "content of M");
    EXPECT_EQ(content_of(my_box("T")), "content of T");
    EXPECT_EQ(content_of(saved_box("deep copy")), "content of T");
    EXPECT_EQ(content_of(saved_box("S")), "template S");
    EXPECT_EQ(hostile::names_in(box_folder), (Strings{"MYBOX", "S.bin", "deep copy.bin", "备份"}));
    close();
    window.reset();
    hostile::remove_tree(temp.path() + "\\第0层 a folder nested deep");
}

// --- Names outside GBK -----------------------------------------------------------------

TEST_F(Hostile, NamesOutsideGbkAreListedSwappedRenamedAndSavedExactly) {
    use_box_folder(temp.path() + "\\Сундук 가방 🎒");
    put_stash("content of 🎒");
    put(my_box("가방"), "content of 가방");
    put(saved_box("Сундук"), "template Сундук");
    write_settings("🎒");
    start();
    EXPECT_EQ(read_setting(settings_path, "路径", "箱子"), box_folder) << "the folder survives MYBOX.ini's GB18030";
    // The order of such titles is the list's own (Wine's collation); the items are not.
    Items listed = items(mine());
    std::sort(listed.begin(), listed.end(), [](const Item& a, const Item& b) { return a.title < b.title; });
    EXPECT_EQ(listed, (Items{{"가방", 0}, {"🎒", 1}}));
    EXPECT_EQ(titles(saved()), Strings{"Сундук"});

    swap_by_button(mine(), "가방");
    EXPECT_EQ(message_texts(), Strings{"置换箱子  가방  成功！  ^_^"});
    EXPECT_EQ(status(), "我的箱子  가방");
    EXPECT_EQ(stored("状态", "正在使用"), "가방");
    EXPECT_EQ(content_of(stash()), "content of 가방");
    EXPECT_EQ(hostile::names_in(my_boxes_folder), Strings{"🎒.bin"});

    rename_from_menu(mine(), "🎒", "🎒 Сундук 가방");
    rename_from_menu(saved(), "Сундук", "Сундук 🎒");
    save_as(mine(), "🎒 Сундук 가방", "가방 사본");
    message_texts();
    EXPECT_EQ(hostile::names_in(my_boxes_folder), Strings{"🎒 Сундук 가방.bin"});
    EXPECT_EQ(hostile::names_in(box_folder), (Strings{"MYBOX", "Сундук 🎒.bin", "备份", "가방 사본.bin"}));
    EXPECT_EQ(content_of(my_box("🎒 Сундук 가방")), "content of 🎒");
    EXPECT_EQ(content_of(saved_box("가방 사본")), "content of 🎒");
    EXPECT_EQ(content_of(saved_box("Сундук 🎒")), "template Сундук");

    swap_by_button(mine(), "🎒 Сундук 가방");
    EXPECT_EQ(message_texts(), Strings{"置换箱子  🎒 Сундук 가방  成功！  ^_^"});
    EXPECT_EQ(stored("状态", "正在使用"), "🎒 Сундук 가방");
    EXPECT_EQ(content_of(stash()), "content of 🎒");
    EXPECT_EQ(content_of(my_box("가방")), "content of 가방");
}

// --- A search on the options page ------------------------------------------------------

// While the options page shows, the lists are hidden, yet a search of the
// contents window covers every box in them, and says so; the same after a
// language saved there while it reads.
TEST_F(Hostile, ASearchWhileTheOptionsPageShowsCoversEveryBox) {
    put_stash("ember of M");
    for (const char* title : {"a", "b", "c"}) {
        put_my_box(title, std::string("ember of my ") + title);
        put_saved_box(title, std::string("ember of saved ") + title);
    }
    write_settings("M");
    start();
    ui::ContentsWindow& contents = *w().箱子内容;
    // The loop's steps, until every find shows.
    const auto run_search = [&] {
        auto& real = dynamic_cast<win32::Win32MainWindow&>(w());
        const contents::WindowState& shown = app->state.contents_window;
        MSG message{};
        while (shown.search && !(shown.search->done() && shown.rows_made == shown.search->found().size()) &&
               GetMessageW(&message, nullptr, 0, 0) > 0)
            real.handle_input(message);
    };
    driver->click(*w().超级按钮内容);
    driver->click(*w().超级按钮高级);
    ASSERT_FALSE(driver->visible(mine()));

    contents.set_search_text("ember");
    run_search();
    EXPECT_EQ(contents.summary(), "7 件物品，在 7 个箱子里");
    contents.set_search_text("embe");
    w().组合框5->set_current_index(1);  // English, saved while the search reads
    driver->click(*w().按钮保存);
    run_search();
    EXPECT_EQ(contents.summary(), "7 item(s) found in 7 box(es)");
    EXPECT_EQ(contents.shown_rows().size(), 7u);
}

// --- Titles as long as a file name allows ------------------------------------------------

// 251 units and ".bin" fill a file name: every name the program makes beside
// such a box (its backups, temporary files, the step of a change of letter
// case) must still fit.
TEST_F(Hostile, TheLongestTitlesAreBackedUpSwappedCopiedRenamedAndDeleted) {
    const std::string x(251, 'x'), z(251, 'z'), dropped(251, 'w');
    const std::string z_renamed = std::string(250, 'z') + "Z";
    put_stash("content of M");
    put_my_box(x, "content of x");
    write_settings("M");
    start();
    TempFolder outside;
    put(outside / (dropped + ".bin"), "dropped w");

    swap_by_button(mine(), x);
    swap_by_button(mine(), "M");
    save_as(mine(), x, z);
    rename_from_menu(saved(), z, z_renamed);
    driver->drop_files(saved(), {outside / (dropped + ".bin")});
    driver->answer_message_box(result_ok);  // replace
    driver->drop_files(saved(), {outside / (dropped + ".bin")});
    driver->answer_message_box(result_ok);  // delete
    select(mine(), x);
    driver->click(*w().超级按钮删除);

    for (const std::string& text : message_texts()) EXPECT_EQ(text.find("失败"), std::string::npos) << text;
    EXPECT_EQ(content_of(stash()), "content of M");
    EXPECT_FALSE(hostile::exists(my_box(x)));
    EXPECT_EQ(hostile::names_in(box_folder), (Strings{"MYBOX", dropped + ".bin", z_renamed + ".bin", "备份"}));
    EXPECT_EQ(content_of(saved_box(z_renamed)), "content of x");
    EXPECT_EQ(content_of(saved_box(dropped)), "dropped w");
    // The swaps' backups of x and M, the delete's of x, and the replaced w.
    Strings backed_up;
    for (const auto& [name, bytes] : hostile::snapshot({{"backups", box_folder + "\\备份"}}))
        backed_up.push_back(test::box_tag(bytes));
    std::sort(backed_up.begin(), backed_up.end());
    EXPECT_EQ(backed_up, (Strings{"content of M", "content of x", "content of x", "dropped w"}));
}

// --- Titles that name one file --------------------------------------------------------------

// The file system takes "ящик" and "Ящик" for one name, as it does "box" and
// "BOX": a title the box in use has in another letter case is refused.
TEST_F(Hostile, TitlesThatDifferOnlyInLetterCaseBeyondAsciiNameOneBox) {
    put_stash("content of Ящик");
    put_my_box("b", "content of b");
    write_settings("Ящик");
    start();
    TempFolder outside;
    put(outside / "ящик.bin", "dropped ящик");

    rename_from_menu(mine(), "b", "ящик");
    driver->drop_files(mine(), {outside / "ящик.bin"});
    EXPECT_EQ(message_texts(), (Strings{"重命名箱子  b  失败！  ToT\r\n\r\n名称  ящик  是正在使用的箱子。",
                                        "导入箱子  ящик  失败！  ToT\r\n\r\n名称  ящик  是正在使用的箱子。"}));
    EXPECT_EQ(hostile::names_in(my_boxes_folder), Strings{"b.bin"});

    swap_by_button(mine(), "b");
    EXPECT_EQ(message_texts(), Strings{"置换箱子  b  成功！  ^_^"});
    EXPECT_EQ(content_of(my_box("Ящик")), "content of Ящик");
}

// A box dropped over one of its title replaces it: the list keeps one row
// for the one file, the existing one, selected.
TEST_F(Hostile, ADropThatReplacesABoxSelectsItsRowInsteadOfAddingOne) {
    put_stash("content of M");
    put_saved_box("S", "template S");
    put_saved_box("U", "template U");
    write_settings("M");
    start();
    TempFolder outside;
    put(outside / "S.bin", "dropped S");
    put(outside / "s.bin", "dropped s");

    for (const char* name : {"S.bin", "s.bin"}) {
        SCOPED_TRACE(name);
        driver->answer_message_box(result_ok);  // replace
        driver->drop_files(saved(), {outside / name});
        EXPECT_EQ(message_texts(), Strings{"已经有相同名字的文件存在，是否覆盖？"});
        EXPECT_EQ(titles(saved()), (Strings{"S", "U"}));
        EXPECT_EQ(saved().selected_item(), index_of(saved(), "S"));
    }
    EXPECT_EQ(hostile::names_in(box_folder), (Strings{"MYBOX", "S.bin", "U.bin", "备份"}));
    EXPECT_EQ(content_of(saved_box("S")), "dropped s");
}

// --- Unwritable settings and readme -------------------------------------------------------

class HostileReadOnlySettings : public Hostile {
protected:
    void TearDown() override {
        hostile::set_read_only(settings_path, false);
        hostile::set_read_only(readme_path, false);
        Hostile::TearDown();
    }
};

TEST_F(HostileReadOnlySettings, TheProgramStartsAndKeepsBothFilesAsTheyWere) {
    put_stash("content of M");
    put_my_box("T", "content of T");
    put_saved_box("S", "template S");
    write_settings("M");
    hostile::put(readme_path, "the player's own notes");
    const std::string settings_before = content_of(settings_path);
    hostile::set_read_only(settings_path, true);
    hostile::set_read_only(readme_path, true);
    // Wine run as root writes into read-only files; an editor holding the
    // readme open keeps it unwritable there too.
    hostile::FileHolder editor(readme_path);
    ASSERT_TRUE(editor.holding());

    start();
    EXPECT_EQ(items(mine()), (Items{{"M", 1}, {"T", 0}}));
    // A my box may enter the slot only once MYBOX.ini names it: refused, nothing moved.
    swap_by_button(mine(), "T");
    EXPECT_EQ(message_texts(), Strings{"移动箱子失败！  ToT"});
    EXPECT_EQ(content_of(stash()), "content of M");
    EXPECT_EQ(content_of(my_box("T")), "content of T");
    close();
    window.reset();
    editor.release();

    EXPECT_EQ(content_of(settings_path), settings_before);
    EXPECT_EQ(content_of(readme_path), "the player's own notes");
    // No temporary left beside them.
    for (const std::string& name : hostile::names_in(program_folder))
        EXPECT_EQ(name.find(".kistvar-tmp"), std::string::npos) << name;
}

// A saved box's copy must not enter the slot while MYBOX.ini refuses the new
// marker: the marker would still name the box that went home, and the next
// start would show that box in use and its own file as a second box of the
// same title, one delete away from being lost.
TEST_F(HostileReadOnlySettings, ASavedBoxIsNotSwappedInWhileTheMarkerCannotBeStored) {
    put_stash("content of M");
    put_saved_box("S", "template S");
    write_settings("M");
    hostile::set_read_only(settings_path, true);
    start();
    swap_by_button(saved(), "S");
    EXPECT_EQ(message_texts(), Strings{"移动箱子失败！  ToT"});
    EXPECT_EQ(content_of(stash()), "content of M");
    EXPECT_FALSE(hostile::exists(my_box("M")));
    EXPECT_EQ(items(mine()), (Items{{"M", 1}}));
    EXPECT_EQ(stored("状态", "正在使用"), "M");
}

}  // namespace
}  // namespace kistvar::test
