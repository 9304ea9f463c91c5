// The swap, judged by what each file holds afterwards: every box has its own
// content, so a box lost or overwritten shows.
#include <gtest/gtest.h>

#include <filesystem>

#include "library/box_lists.h"
#include "platform/dialogs.h"
#include "logic/library_fixture.h"
#include "services/disk_helpers.h"
#include "options/window_settings.h"

namespace kistvar {
namespace {

using test::ListItem;
using test::box_on_disk;
using test::exists_on_disk;
using test::ShownDialog;
using Names = std::vector<std::string>;

bool writable_on_disk(const std::string& path) {
    using std::filesystem::perms;
    return (std::filesystem::status(test::disk_path(path)).permissions() & perms::owner_write) != perms::none;
}

class Swap : public test::Library {
protected:
    void swap_selected() { driver->click(*w().超级按钮更换); }

    void expect_success_message(std::string_view title) {
        ShownDialog message = only_message();
        EXPECT_EQ(message.text, "置换箱子  " + std::string(title) + "  成功！  ^_^");
        EXPECT_EQ(message.caption, "提示信息");
        EXPECT_EQ(message.style, 64);
    }
    void expect_failure(const ShownDialog& message, std::string_view text) {
        EXPECT_EQ(message.text, text);
        EXPECT_EQ(message.caption, "错误提示");
        EXPECT_EQ(message.style, 16);
    }
};

TEST_F(Swap, MyBoxForMyBoxTradesTheTwoFiles) {
    put_stash("content of M");
    put_my_box("T", "content of T");
    start_library("M");
    select(mine(), "T");

    swap_selected();

    EXPECT_EQ(box_on_disk(my_box("M")), "content of M");
    EXPECT_EQ(box_on_disk(stash()), "content of T");
    EXPECT_FALSE(exists_on_disk(my_box("T")));
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"M", 0}, {"T", 1}}));
    EXPECT_EQ(status(), "我的箱子  T");
    EXPECT_EQ(app->state.paths[in_use_marker], "T");
    EXPECT_EQ(stored_marker(), "T");
    expect_success_message("T");
}

TEST_F(Swap, SavedBoxForMyBoxParksTheMyBoxAndCopiesTheTemplate) {
    put_stash("content of M");
    put_saved_box("S", "template S");
    start_library("M");
    select(saved(), "S");

    swap_selected();

    EXPECT_EQ(box_on_disk(my_box("M")), "content of M");
    EXPECT_EQ(box_on_disk(stash()), "template S");
    EXPECT_EQ(box_on_disk(saved_box("S")), "template S");
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"M", 0}}));
    EXPECT_EQ(status(), "别的箱子  S");
    EXPECT_EQ(stored_marker(), "别的箱子");
    expect_success_message("S");
}

TEST_F(Swap, MyBoxAfterASavedBoxReplacesTheCopyWithoutParkingIt) {
    put_stash("copy of a template");
    put_my_box("T", "content of T");
    start_library("别的箱子");
    select(mine(), "T");

    swap_selected();

    EXPECT_EQ(box_on_disk(stash()), "content of T");
    EXPECT_FALSE(exists_on_disk(my_box("T")));
    EXPECT_FALSE(exists_on_disk(my_box("别的箱子")));
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"T", 1}}));
    EXPECT_EQ(stored_marker(), "T");
    expect_success_message("T");
}

TEST_F(Swap, ASavedBoxGivesItsStoredContentEveryTime) {
    put_stash("copy of a template");
    put_saved_box("S", "template S");
    start_library("别的箱子");
    select(saved(), "S");
    quiet();

    swap_selected();
    test::write_on_disk(stash(), test::stash_holding("played with"));
    swap_selected();

    EXPECT_EQ(box_on_disk(stash()), "template S");
    EXPECT_EQ(box_on_disk(saved_box("S")), "template S");
    EXPECT_TRUE(shown().empty()) << "quiet success";
}

// A box that is no readable stash goes into the slot only when the player
// says so, asked every time, quiet or not; Cancel changes nothing at all.
TEST_F(Swap, ABoxThatIsNoReadableStashGoesInOnlyWhenThePlayerAgrees) {
    put_stash("content of M");
    std::string damaged = test::stash_holding("content of T");
    damaged[12] ^= 0x10;
    test::write_on_disk(my_box("T"), damaged);
    test::write_on_disk(saved_box("S"), "plain text");
    const std::string torn = test::stash_container(test::stash_body({"cut", "cut", test::stash_record(test::stash_item("Ring"))}));
    test::write_on_disk(saved_box("torn"), torn);
    start_library("M");
    quiet();

    select(mine(), "T");
    driver->answer_message_box(result_cancel);
    swap_selected();
    ShownDialog question = only_message();
    EXPECT_EQ(question.text, "箱子  T  不是可读的共享仓库文件（校验和不符）。游戏可能无法读取它。仍要更换吗？");
    EXPECT_EQ(question.caption, "提示窗口");
    EXPECT_EQ(question.style, 0x131);  // OK/Cancel, warning, Cancel the default
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_EQ(test::read_on_disk(my_box("T")), damaged);
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"M", 1}, {"T", 0}}));
    EXPECT_EQ(stored_marker(), "M");

    select(saved(), "S");
    driver->answer_message_box(result_ok);
    swap_selected();
    EXPECT_EQ(only_message().text, "箱子  S  不是可读的共享仓库文件（文件太短）。游戏可能无法读取它。仍要更换吗？");
    EXPECT_EQ(box_on_disk(stash()), "plain text");
    EXPECT_EQ(box_on_disk(my_box("M")), "content of M");
    EXPECT_EQ(stored_marker(), "别的箱子");
    // A box with damaged records is asked about with the count of them.
    select(saved(), "torn");
    driver->answer_message_box(result_ok);
    swap_selected();
    EXPECT_EQ(only_message().text, "箱子  torn  中有 2 条物品记录无法读取（物品记录已损坏）。游戏可能无法读取它。仍要更换吗？");
    EXPECT_EQ(test::read_on_disk(stash()), torn);
}

TEST_F(Swap, FirstUseParksTheGamesOwnStashAsTheDefaultBox) {
    put_stash("the game's stash");
    put_my_box("T", "content of T");
    start_library("MYBOX 1");
    ASSERT_EQ(items(mine()), (std::vector<ListItem>{{"MYBOX 1", 1}, {"T", 0}}));
    select(mine(), "T");

    swap_selected();

    EXPECT_EQ(box_on_disk(my_box("MYBOX 1")), "the game's stash");
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"MYBOX 1", 0}, {"T", 1}}));
    shown();
}

TEST_F(Swap, TheBoxInUseOrNoSelectionDoesNothing) {
    put_stash("content of M");
    start_library("M");

    swap_selected();  // nothing selected
    EXPECT_FALSE(w().超级按钮更换->disabled());

    w().超级按钮更换->set_disabled(false);
    mine().set_selected_item(index_of(mine(), "M"));
    app->state.current_list = &mine();
    swap_selected();

    EXPECT_TRUE(w().超级按钮更换->disabled());
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_FALSE(exists_on_disk(my_box("M")));
    EXPECT_TRUE(shown().empty());
}

TEST_F(Swap, NoStashFileFailsBeforeTouchingAnythingAndIsQuietWhenAsked) {
    put_my_box("T", "content of T");
    start_library("M");
    select(mine(), "T");

    swap_selected();
    expect_failure(only_message(), "移动箱子失败！  ToT");
    quiet();
    swap_selected();
    EXPECT_TRUE(shown().empty());

    EXPECT_EQ(box_on_disk(my_box("T")), "content of T");
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"M", 1}, {"T", 0}}));
    EXPECT_EQ(app->state.paths[in_use_marker], "M");
    EXPECT_EQ(status(), "M");
}

TEST_F(Swap, NeverParksTheBoxInUseOverAFileOfTheSameTitle) {
    put_stash("content of M");
    put_my_box("M", "an imported M");
    put_my_box("T", "content of T");
    start_library("M");
    select(mine(), "T");

    swap_selected();

    expect_failure(only_message(), "我的箱子里已有同名箱子  M  ，移动箱子失败！  ToT");
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_EQ(box_on_disk(my_box("M")), "an imported M");
    EXPECT_EQ(box_on_disk(my_box("T")), "content of T");
    EXPECT_EQ(app->state.paths[in_use_marker], "M");

    quiet();
    swap_selected();
    EXPECT_TRUE(shown().empty());
}

TEST_F(Swap, AMyBoxTitledLikeTheSavedBoxStateIsNeverSwappedIn) {
    put_stash("content of M");
    put_my_box("别的箱子", "a box with the reserved title");
    start_library("M");
    select(mine(), "别的箱子");

    swap_selected();

    expect_failure(only_message(), "箱子名称  别的箱子  已被保留，置换箱子失败！  ToT");
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_EQ(box_on_disk(my_box("别的箱子")), "a box with the reserved title");
    EXPECT_FALSE(exists_on_disk(my_box("M")));
    EXPECT_EQ(app->state.paths[in_use_marker], "M");
}

TEST_F(Swap, AFailedMoveInPutsThePreviousBoxBackIntoTheSlot) {
    put_stash("content of M");
    put_my_box("T", "content of T");
    start_library("M");
    select(mine(), "T");
    quiet();  // this failure is shown all the same
    fail_moves_and_copies_from({"\\T.bin"});

    swap_selected();

    expect_failure(only_message(), "移动箱子失败！  ToT");
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_FALSE(exists_on_disk(my_box("M")));
    EXPECT_EQ(box_on_disk(my_box("T")), "content of T");
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"M", 1}, {"T", 0}}));
    EXPECT_EQ(app->state.paths[in_use_marker], "M");
    EXPECT_EQ(status(), "M");

    fault_seam::disarm();
    swap_selected();  // and the next swap works as if nothing happened
    EXPECT_EQ(box_on_disk(stash()), "content of T");
    EXPECT_EQ(box_on_disk(my_box("M")), "content of M");
}

TEST_F(Swap, AFailedCopyOfASavedBoxAlsoPutsThePreviousBoxBack) {
    put_stash("content of M");
    put_saved_box("S", "template S");
    start_library("M");
    select(saved(), "S");
    fail_moves_and_copies_from({"S.bin"});

    swap_selected();

    expect_failure(only_message(), "移动箱子失败！  ToT");
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_FALSE(exists_on_disk(my_box("M")));
    EXPECT_EQ(stored_marker(), "M");
}

TEST_F(Swap, WhenEvenTheWayBackFailsTheMessageSaysWhereThePreviousBoxIs) {
    put_stash("content of M");
    put_my_box("T", "content of T");
    start_library("M");
    select(mine(), "T");
    fail_moves_and_copies_from({"\\T.bin", "\\M.bin"});

    swap_selected();

    expect_failure(only_message(), "移动箱子失败！  ToT\r\n\r\n原来使用的箱子  M  现在位于：\r\n" + my_box("M"));
    EXPECT_EQ(box_on_disk(my_box("M")), "content of M");
    EXPECT_EQ(box_on_disk(my_box("T")), "content of T");
    // M is an ordinary box again, so the next swap does not try to park it.
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"M", 0}, {"T", 0}}));
    EXPECT_EQ(stored_marker(), "别的箱子");

    fault_seam::disarm();
    swap_selected();
    EXPECT_EQ(box_on_disk(stash()), "content of T");
    EXPECT_EQ(box_on_disk(my_box("M")), "content of M");
    shown();
}

// MYBOX.ini takes the marker once and then refuses it: a rename of the box
// in use fails, and a swap whose way back needs the marker again says, as
// well as what became of the boxes, that the marker could not be stored.
TEST_F(Swap, AMarkerThatCannotBeStoredIsReportedWithItsReason) {
    struct Case {
        const char* what;
        const char* previous;
        int marker_writes;  // MYBOX.ini takes this many, then refuses
        bool rename;        // the box in use renamed to N, else T swapped in
        std::string message;
        const char* stored;
        const char* marker;  // as the window keeps it
    } const cases[] = {
        {"rename", "M", 0, true, "重命名箱子  M  失败！  ToT", "M", "M"},
        {"put back", "别的箱子", 1, false, "移动箱子失败！  ToT", "T", "别的箱子"},
        {"stranded", "M", 1, false, "移动箱子失败！  ToT\r\n\r\n原来使用的箱子  M  现在位于：\r\n" + my_box("M"), "T",
         "别的箱子"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        std::filesystem::remove_all(test::disk_path(save_folder));
        SetUp();
        test::make_folder_on_disk(save_folder);
        put_stash("the box in the slot");
        put_my_box("T", "content of T");
        start_library(c.previous);
        int writes = 0;
        fault_seam::arm([&](fault_seam::FileCall call, std::string_view path, std::uint64_t) {
            using enum fault_seam::FileCall;
            if (path.find("\\T.bin") != std::string_view::npos)
                return call == move_file || call == copy_file || call == replace_file;
            return call == replace_file && path.find("MYBOX.ini") != std::string_view::npos && ++writes > c.marker_writes;
        });
        if (c.rename) {
            driver->focus(mine());
            driver->answer_popup_menu(w().重命名.get());
            driver->right_click_item(mine(), index_of(mine(), "M"));
            shown();
            driver->finish_label_edit(mine(), "N");
        } else {
            select(mine(), "T");
            swap_selected();
        }
        fault_seam::disarm();

        const std::string text = only_message().text;
        EXPECT_TRUE(text.starts_with(c.message + "\r\n\r\n无法写入设置文件  " + settings_path() + "  ：")) << text;
        EXPECT_EQ(stored_marker(), c.stored);
        EXPECT_EQ(app->state.paths[in_use_marker], c.marker);
        EXPECT_EQ(box_on_disk(my_box("T")), "content of T");
    }
}

TEST_F(Swap, AFailedCopyWithNoBoxToPutBackIsShownAndChangesNothing) {
    put_stash("copy of a template");
    put_saved_box("S", "template S");
    start_library("别的箱子");
    select(saved(), "S");
    quiet();
    fail_moves_and_copies_from({"S.bin"});

    swap_selected();

    expect_failure(only_message(), "移动箱子失败！  ToT");
    EXPECT_EQ(box_on_disk(stash()), "copy of a template");
    EXPECT_EQ(status(), "别的箱子");
}

TEST_F(Swap, DoubleClickSwapsAnOrdinaryMyBoxButNotTheBoxInUse) {
    put_stash("content of M");
    put_my_box("T", "content of T");
    start_library("M");
    quiet();

    driver->double_click_item(mine(), index_of(mine(), "M"));
    EXPECT_FALSE(exists_on_disk(my_box("M")));

    driver->double_click_item(mine(), index_of(mine(), "T"));
    EXPECT_EQ(box_on_disk(stash()), "content of T");
    EXPECT_EQ(box_on_disk(my_box("M")), "content of M");
}

TEST_F(Swap, DoubleClickOnASavedBoxSwapsIt) {
    put_stash("content of M");
    put_saved_box("S", "template S");
    start_library("M");
    quiet();
    driver->focus(saved());

    driver->double_click_item(saved(), index_of(saved(), "S"));

    EXPECT_EQ(box_on_disk(stash()), "template S");
    EXPECT_EQ(box_on_disk(my_box("M")), "content of M");
}

TEST_F(Swap, WhateverEntersTheSlotIsLeftWritable) {
    put_stash("content of M");
    put_my_box("A", "content of A");
    put_saved_box("S", "template S");
    test::set_read_only_on_disk(my_box("A"), true);
    test::set_read_only_on_disk(saved_box("S"), true);
    start_library("M");
    quiet();

    select(mine(), "A");
    swap_selected();
    EXPECT_TRUE(writable_on_disk(stash())) << "a moved read-only box";
    select(saved(), "S");
    swap_selected();
    EXPECT_TRUE(writable_on_disk(stash())) << "a copy of a read-only saved box";
    EXPECT_FALSE(writable_on_disk(saved_box("S"))) << "the template itself stays as it was";
    // The copy in the slot can be overwritten, so later swaps still work.
    select(saved(), "S");
    swap_selected();
    select(mine(), "M");
    swap_selected();
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_EQ(box_on_disk(my_box("A")), "content of A");
    EXPECT_TRUE(shown().empty());
}

TEST_F(Swap, AFolderInTheStashSlotIsNeverMovedAsABox) {
    test::make_folder_on_disk(stash());
    put_my_box("T", "content of T");
    put_saved_box("S", "template S");
    start_library("M");

    select(mine(), "T");
    swap_selected();
    expect_failure(only_message(), "移动箱子失败！  ToT");
    select(saved(), "S");
    swap_selected();
    expect_failure(only_message(), "移动箱子失败！  ToT");

    EXPECT_TRUE(std::filesystem::is_directory(test::disk_path(stash())));
    EXPECT_EQ(test::names_on_disk(my_boxes_folder), Names{"T.bin"});
    EXPECT_EQ(stored_marker(), "M");
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"M", 1}, {"T", 0}}));
}

// Each swap costs one durable write of MYBOX.ini at most (none when the marker
// stays), and no search in MYBOX, which under Wine reads the whole folder.
TEST_F(Swap, EachSwapWritesMYBOXiniAtMostOnceAndSearchesNothingInMYBOX) {
    put_stash("content of M");
    put_my_box("T", "content of T");
    put_saved_box("S", "template S");
    start_library("M");
    quiet();
    struct Step {
        ui::ListView& list;
        const char* title;
        int writes;
    } const steps[] = {{mine(), "T", 1}, {saved(), "S", 1}, {saved(), "S", 0}, {mine(), "M", 1}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.title);
        select(step.list, step.title);
        int writes = 0, searches = 0;
        fault_seam::arm([&](fault_seam::FileCall call, std::string_view path, std::uint64_t) {
            writes += call == fault_seam::FileCall::flush_to_disk && path.find("MYBOX.ini") != std::string_view::npos;
            searches += call == fault_seam::FileCall::find_first && path.starts_with(my_boxes_folder);
            return false;
        });
        swap_selected();
        fault_seam::disarm();
        EXPECT_EQ(writes, step.writes);
        EXPECT_EQ(searches, 0);
    }
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_EQ(stored_marker(), "M");
    EXPECT_TRUE(shown().empty());
}

// Every kind of swap, ended after each of its file calls (the program dies:
// that call and every later one do nothing) or with that one call failing.
// No box is lost; MYBOX.ini never leaves a my box in the slot unnamed, never
// names another my box than the one there, and never names the box that went
// home while a saved box's copy fills the slot. A single failure leaves the
// swap done or undone, with the lists saying which.
TEST_F(Swap, EndingOrFailingAtAnyFileCallLosesNoBoxAndKeepsTheMarkerTrue) {
    struct Kind {
        const char* previous;
        bool saved;
        const char* chosen;
    } const kinds[] = {{"M", false, "T"}, {"M", true, "S"}, {"别的箱子", false, "T"}, {"别的箱子", true, "S"}};
    const std::string copy = "a copy of S, played on";
    auto content_of = [&](const std::string& title) { return title == "别的箱子" ? copy : "box " + title; };
    app->state.settings_file_path = settings_path();  // as the start sets it; each round reloads

    for (const Kind& kind : kinds) {
        for (const bool dies : {true, false}) {
            for (std::uint64_t failing = 1;; ++failing) {
                SCOPED_TRACE(std::string(kind.previous) + " -> " + kind.chosen + (dies ? ", ends at call " : ", fails call ") +
                             std::to_string(failing));
                std::filesystem::remove_all(test::disk_path(save_folder));
                test::make_folder_on_disk(save_folder);
                test::make_folder_on_disk(box_folder);
                test::make_folder_on_disk(my_boxes_folder);
                put_stash(content_of(kind.previous));
                put_my_box("T", "box T");
                put_saved_box("S", "template S");
                write_standard_settings(kind.previous);
                load_settings(*app);
                refresh_both_lists(*app);
                quiet();
                select(kind.saved ? saved() : mine(), kind.chosen);

                fault_seam::arm([&](fault_seam::FileCall, std::string_view, std::uint64_t number) {
                    return dies ? number >= failing : number == failing;
                });
                swap_selected();
                const bool every_call_tried = fault_seam::failures_made() == 0;
                fault_seam::disarm();
                shown();

                const std::string marker = stored_marker();
                const std::string slot = exists_on_disk(stash()) ? box_on_disk(stash()) : "<none>";
                Names at_home;
                for (const std::string& name : test::names_on_disk(my_boxes_folder))
                    at_home.push_back(box_on_disk(my_boxes_folder + "\\" + name));
                for (const char* box : {"M", "T"}) {
                    if (std::string(box) == "M" && kind.previous != std::string("M")) continue;
                    const std::string content = "box " + std::string(box);
                    const bool home = std::count(at_home.begin(), at_home.end(), content) > 0;
                    EXPECT_TRUE(home || slot == content) << content << " lost";
                    if (slot == content && !home) {
                        EXPECT_EQ(marker, box) << "a my box in the slot, unnamed";
                    }
                }
                if (marker != "别的箱子" && slot.starts_with("box ")) {
                    EXPECT_EQ(slot, content_of(marker)) << "the marker names another box than the slot's";
                }
                if (slot == "template S") {
                    EXPECT_EQ(marker, "别的箱子");
                }
                EXPECT_EQ(box_on_disk(saved_box("S")), "template S");

                if (!dies) {
                    const std::string& next = kind.saved ? "别的箱子" : kind.chosen;
                    const bool done = marker == next && slot == (kind.saved ? "template S" : content_of(next));
                    const bool undone = marker == kind.previous && slot == content_of(kind.previous);
                    EXPECT_TRUE(done || undone) << "marker " << marker << ", slot " << slot;
                    EXPECT_EQ(app->state.paths[in_use_marker], marker);
                    for (const ListItem& item : items(mine())) {
                        if (item.picture == 1) {
                            EXPECT_EQ(item.title, marker);
                        }
                    }
                }
                if (every_call_tried) break;
            }
        }
    }
}

// A marker edited by hand into something no typed name could be is never
// made part of a path: the box in use goes home as "MYBOX 1", "MYBOX 1 (2)", ...
class SwapFromAHandEditedMarker : public Swap, public ::testing::WithParamInterface<std::string> {};

TEST_P(SwapFromAHandEditedMarker, TheBoxInUseGoesHomeUnderTheFirstFreeDefaultTitle) {
    put_stash("the box in use");
    put_my_box("MYBOX 1", "an older default box");
    put_my_box("A", "content of A");
    start_library(GetParam());
    quiet();
    select(mine(), "A");

    // A failed move-in brings it back to the slot under that title, now stored.
    fail_moves_and_copies_from({"\\A.bin"});  // the box, not its backup
    swap_selected();
    fault_seam::disarm();
    expect_failure(only_message(), "移动箱子失败！  ToT");
    EXPECT_EQ(box_on_disk(stash()), "the box in use");
    EXPECT_EQ(stored_marker(), "MYBOX 1 (2)");
    EXPECT_EQ(status(), "MYBOX 1 (2)");
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"A", 0}, {"MYBOX 1", 0}, {"MYBOX 1 (2)", 1}}));

    select(mine(), "A");
    swap_selected();
    EXPECT_EQ(box_on_disk(my_box("MYBOX 1 (2)")), "the box in use");
    EXPECT_EQ(box_on_disk(my_box("MYBOX 1")), "an older default box");
    EXPECT_EQ(box_on_disk(stash()), "content of A");
    EXPECT_EQ(stored_marker(), "A");
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"A", 1}, {"MYBOX 1", 0}, {"MYBOX 1 (2)", 0}}));
    EXPECT_EQ(test::names_on_disk(box_folder), (Names{"MYBOX", "备份"}));  // nothing escaped into the box folder
    EXPECT_EQ(test::names_on_disk(save_folder), (Names{"box", "sharedstash_v2.bin"}));
    EXPECT_TRUE(shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Markers, SwapFromAHandEditedMarker,
                         ::testing::Values("..\\escaped", "..\\..\\save\\sharedstash_v2", "NUL", "",
                                           std::string(300, 'x')));

}  // namespace
}  // namespace kistvar
