// A write of MYBOX.ini or of a new box that stops at any point, by a failing
// step or by the process being killed, leaves the old file or the new one,
// never a half file, and nothing that could be taken for a box; and every
// operation of the box store, stopped at any of its file calls, loses no box.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/fault_seam.h"
#include "platform/files.h"
#include "platform/gb18030.h"
#include "platform/profile_text.h"
#include "platform/settings_file.h"
#include "safety/disk_snapshot.h"
#include "settings/settings_procedures.h"
#include "stash/stash_reader.h"
#include "store/backups.h"
#include "store/box_editing.h"
#include "store/drop_import.h"
#include "store/item_moves.h"
#include "store/swap.h"
#include "support/headless/script.h"
#include "support/stash_writer.h"
#include "support/temp_folder.h"

namespace kistvar {
namespace {

using test::read_on_disk;
using test::write_on_disk;

// Everything in the folder, as the box lists would search it and as it is.
std::vector<std::string> boxes_listed(const std::string& folder) {
    std::vector<std::string> names;
    SearchHandle search;
    for (std::string name = find_file(folder + "\\*.bin", 0, true, search); !name.empty();
         name = find_file("", 0, true, search))
        names.push_back(name);
    return names;
}

std::vector<std::string> everything_in(const std::string& folder) {
    std::vector<std::string> names;
    SearchHandle search;
    for (std::string name = find_file(folder + "\\*", 0, true, search); !name.empty();
         name = find_file("", 0, true, search))
        names.push_back(name);
    return names;
}

class CrashSafety : public ::testing::Test {
protected:
    void TearDown() override { fault_seam::disarm(); }

    // The number of file calls `write` makes when nothing fails.
    template <class Write>
    static std::uint64_t calls_of(Write write) {
        fault_seam::disarm();
        write();
        return fault_seam::calls_seen();
    }

    test::TempFolder temp{test::TempFolder::Backing::memory};
    const std::string settings = temp / "MYBOX.ini";
    const std::string box = temp / "MYBOX 2012年10月23日9时.bin";
};

TEST_F(CrashSafety, ASettingWriteFailingAtAnyStepLeavesTheOldFileOrTheNew) {
    const std::string old_bytes = gb18030::from_utf8("[路径]\r\n存档=C:\\save\r\n[状态]\r\n正在使用=MYBOX 1\r\n");
    const std::string new_bytes = profile_text::write_value(old_bytes, gb18030::from_utf8("状态"),
                                                            gb18030::from_utf8("正在使用"), "beta");
    auto write = [&] { return write_setting(settings, "状态", "正在使用", "beta"); };
    write_on_disk(settings, old_bytes);
    const std::uint64_t calls = calls_of(write);
    ASSERT_GE(calls, 5u);  // read, open, write, flush, close, replace

    for (std::uint64_t failing = 1; failing <= calls; ++failing) {
        SCOPED_TRACE("call " + std::to_string(failing) + " fails");
        write_on_disk(settings, old_bytes);
        fault_seam::fail_call_number(failing);
        const bool written = write();
        fault_seam::disarm();
        EXPECT_FALSE(written);
        EXPECT_EQ(read_on_disk(settings), old_bytes);
        EXPECT_EQ(everything_in(temp.path()), std::vector<std::string>{"MYBOX.ini"});
    }
    EXPECT_TRUE(write());
    EXPECT_EQ(read_on_disk(settings), new_bytes);
}

TEST_F(CrashSafety, ABoxWriteFailingAtAnyStepLeavesNoFileOrTheOldOne) {
    const std::string content(4096, 'B');
    auto write_new = [&] { return write_file_atomically(box, content, false); };
    const std::uint64_t calls = calls_of(write_new);
    for (std::uint64_t failing = 1; failing <= calls; ++failing) {
        SCOPED_TRACE("call " + std::to_string(failing) + " fails");
        delete_file(box);
        fault_seam::fail_call_number(failing);
        EXPECT_FALSE(write_new());
        fault_seam::disarm();
        EXPECT_TRUE(everything_in(temp.path()).empty());
    }
    // Over an existing box (the program never asks for this; the service must still hold).
    auto replace = [&] { return write_file_atomically(box, content, true); };
    write_on_disk(box, "old box");
    const std::uint64_t replace_calls = calls_of(replace);
    for (std::uint64_t failing = 1; failing <= replace_calls; ++failing) {
        write_on_disk(box, "old box");
        fault_seam::fail_call_number(failing);
        EXPECT_FALSE(replace());
        fault_seam::disarm();
        EXPECT_EQ(read_on_disk(box), "old box");
        EXPECT_EQ(everything_in(temp.path()).size(), 1u);
    }
}

// A child writes in a loop, alternating two versions; it is killed at a random
// moment. The file is then one version whole, and a temporary file the kill
// left behind is never listed as a box and does not stop the next write.
template <class WriteVersion>
void kill_while_writing(const std::string& folder, const std::string& path, const std::set<std::string>& versions,
                        WriteVersion write_version) {
    std::mt19937_64 random(2012);
    for (int round = 0; round < 60; ++round) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int n = 0;; ++n) write_version(n % 2);
        }
        usleep(static_cast<useconds_t>(200 + random() % 3000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        const std::string bytes = read_on_disk(path);
        ASSERT_TRUE(versions.count(bytes)) << "round " << round << ": a half file of " << bytes.size() << " bytes";
        for (const std::string& name : boxes_listed(folder))
            EXPECT_EQ(name.find(".kistvar-tmp-"), std::string::npos) << "a temporary file listed as a box";
    }
    write_version(0);
    EXPECT_TRUE(versions.count(read_on_disk(path)));
}

TEST_F(CrashSafety, KillingTheProcessWhileItWritesTheSettingsLeavesAWholeFile) {
    // Long values, so that a kill often lands inside a write.
    const std::string values[] = {std::string(200000, 'a'), std::string(150000, 'b')};
    std::string first = profile_text::write_value("", gb18030::from_utf8("路径"), gb18030::from_utf8("存档"), "C:\\save");
    std::set<std::string> versions;
    for (const std::string& value : values)
        versions.insert(profile_text::write_value(first, gb18030::from_utf8("状态"), gb18030::from_utf8("正在使用"), value));
    write_on_disk(settings, *versions.begin());
    kill_while_writing(temp.path(), settings, versions,
                       [&](int which) { write_setting(settings, "状态", "正在使用", values[which]); });
}

TEST_F(CrashSafety, KillingTheProcessWhileItWritesABoxLeavesAWholeBox) {
    const std::string contents[] = {std::string(300000, 'x'), std::string(250000, 'y')};
    write_on_disk(box, contents[0]);
    kill_while_writing(temp.path(), box, {contents[0], contents[1]},
                       [&](int which) { write_file_atomically(box, contents[which], true); });
}

// Each operation of the store, ended after each of its file calls (the
// program dies: that call and every later one do nothing) or with that one
// call failing. Every box's content is still in a file that is no temporary
// one (in the library, the backups or the Recycle Bin), every backup holds a
// whole box, and a single failure leaves no temporary file behind. The item a
// move or its undo carries is still in one of its two boxes, the item it
// changed places with there or in a backup, and both boxes read; after a
// single failure the two boxes hold both items once each.
TEST_F(CrashSafety, EveryStoreOperationStoppedAtAnyFileCallLosesNoBox) {
    const store::Places places{temp / "save", temp / "box", "sharedstash_v2.bin", settings, "M"};
    const std::string elsewhere = temp / "elsewhere";
    const std::string box_m = test::stash_holding("box M"), box_a = test::stash_holding("box A"),
                      box_s = test::stash_holding("box S"), dropped_s = test::stash_holding("dropped S");
    auto lay_out = [&] {
        for (const auto& entry : std::filesystem::directory_iterator(test::native_path(temp.path())))
            std::filesystem::remove_all(entry.path());
        for (const std::string& folder : {places.save_folder, places.box_folder, store::my_boxes_folder(places),
                                          temp / "recycle", elsewhere})
            test::make_folder_on_disk(folder);
        write_on_disk(store::stash_file(places), box_m);
        write_on_disk(store::my_box_file(places, "A"), box_a);
        write_on_disk(store::saved_box_file(places, "S"), box_s);
        write_on_disk(elsewhere + "\\S.bin", dropped_s);
        write_in_use_marker(settings, places.marker);
    };
    // The items of my box A and saved box S, moved between them as the contents window asks.
    store::ViewedBox a{store::my_box_file(places, "A"), "A", {}}, s{store::saved_box_file(places, "S"), "S", {}};
    auto view_both = [&] { ASSERT_TRUE(file_facts(a.path, a.seen) && file_facts(s.path, s.seen)); };
    const store::Cell first{stash::Tab::gear, 1};
    store::MoveRecord exchanged;
    const store::Drop drop = store::read_drop(places, false, elsewhere + "\\S.bin");
    struct Operation {
        const char* name;
        std::function<void()> run;
        std::function<void()> before = [] {};  // not stopped
        bool moves_items = false;
    };
    const Operation operations[] = {
        {"swap in a my box", [&] { store::swap(places, "A", true); }},
        {"swap in a saved box", [&] { store::swap(places, "S", false); }},
        {"save as", [&] { store::save_as(places, store::BoxKind::in_use, "M", "copy of M"); }},
        {"new box", [&] { store::new_box(places); }},
        {"rename in letter case", [&] { store::rename_my_box(places, "A", "a"); }},
        {"rename the box in use", [&] { store::rename_box_in_use(places, "M", "N"); }},
        {"delete", [&] { store::delete_box(places, store::BoxKind::mine, "A"); }},
        {"drop over a box", [&] { store::import_box(places, drop, true); }},
        {"move an item to the other side", [&] { store::move_item(places, a, first, s, std::nullopt); }, view_both,
         true},
        {"exchange two items across boxes", [&] { store::move_item(places, a, first, s, first); }, view_both, true},
        {"undo an exchange", [&] { store::undo_move(places, exchanged); },
         [&] {
             view_both();
             exchanged = store::move_item(places, a, first, s, first).record;
         },
         true},
        {"back up a box", [&] { store::back_up_box(places, store::my_box_file(places, "A"), "A"); }},
    };
    headless::set_recycle_folder(temp / "recycle");
    for (const Operation& operation : operations) {
        for (const bool dies : {true, false}) {
            for (std::uint64_t failing = 1;; ++failing) {
                SCOPED_TRACE(std::string(operation.name) + (dies ? ", ends at call " : ", fails call ") +
                             std::to_string(failing));
                lay_out();
                operation.before();
                fault_seam::arm([&](fault_seam::FileCall, std::string_view, std::uint64_t number) {
                    return dies ? number >= failing : number == failing;
                });
                operation.run();
                const bool every_call_tried = fault_seam::failures_made() == 0;
                fault_seam::disarm();

                const safety::DiskSnapshot disk = safety::take_snapshot(test::native_path(temp.path()));
                std::set<std::string> kept;
                for (const auto& [path, content] : disk.files) {
                    if (!safety::is_temporary_name(path)) kept.insert(content);
                    if (path.starts_with(test::native_path(store::backups_folder(places)))) {
                        EXPECT_TRUE(stash::read_stash(content).readable()) << path << " holds a part of a box";
                    }
                    if (!dies) {
                        EXPECT_FALSE(safety::is_temporary_name(path)) << path << " left behind";
                    }
                }
                for (const std::string& box : {box_m, box_a, box_s, dropped_s})
                    EXPECT_TRUE(kept.count(box)) << stash::read_stash(box).items[0].name << " lost";
                if (operation.moves_items) {
                    const std::string a_now = read_on_disk(a.path), s_now = read_on_disk(s.path);
                    EXPECT_TRUE(stash::read_stash(a_now).readable() && stash::read_stash(s_now).readable());
                    std::multiset<std::string> in_boxes, in_backups;
                    for (const std::string& box : {a_now, s_now})
                        for (const stash::Item& item : stash::read_stash(box).items) in_boxes.insert(item.name);
                    for (const auto& [path, content] : disk.files)
                        if (path.find("/备份/") != std::string::npos)
                            for (const stash::Item& item : stash::read_stash(content).items) in_backups.insert(item.name);
                    // The item carried (back, by the undo) is written into its new box
                    // first; the one it changed places with may be left in a backup alone.
                    EXPECT_TRUE(in_boxes.count("box A")) << "the item carried is only in a backup";
                    EXPECT_TRUE(in_boxes.count("box S") || in_backups.count("box S")) << "box S lost";
                    if (!dies) {
                        EXPECT_EQ(in_boxes, (std::multiset<std::string>{"box A", "box S"}));
                    }
                }
                if (every_call_tried) break;
            }
        }
    }
    headless::reset();
}

}  // namespace
}  // namespace kistvar
