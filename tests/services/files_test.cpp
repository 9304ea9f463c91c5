// The file services against the real disk: natively against the POSIX layer,
// under Wine against the Win32 one.
#include "platform/files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <set>

#include "disk_helpers.h"
#include "platform/fault_seam.h"
#include "platform/folder_watch.h"
#include "support/temp_folder.h"
#ifndef _WIN32
#include "platform/posix/recycle_folder.h"
#endif

namespace kistvar {
namespace {

using fault_seam::FileCall;
using test::exists_on_disk;
using test::make_folder_on_disk;
using test::names_on_disk;
using test::read_on_disk;
using test::write_on_disk;
using Names = std::vector<std::string>;

class FileServices : public ::testing::Test {
protected:
    void TearDown() override { fault_seam::disarm(); }

    // Every name find_file returns for the pattern, in a set (order is the file system's).
    std::multiset<std::string> found(const std::string& pattern, std::uint32_t mask, bool files_only) {
        std::multiset<std::string> names;
        SearchHandle handle;
        for (std::string name = find_file(pattern, mask, files_only, handle); !name.empty();
             name = find_file("", mask, files_only, handle))
            names.insert(name);
        EXPECT_EQ(handle.native, 0) << "the search closes itself at the end";
        return names;
    }

    // Fails every call of the given kinds.
    static void fail_calls(std::set<FileCall> calls) {
        fault_seam::arm([calls](FileCall call, std::string_view, std::uint64_t) { return calls.count(call) > 0; });
    }

    test::TempFolder folder;
};

TEST_F(FileServices, WriteFileWritesThePartsInOrderOverAnyOldContent) {
    std::string path = folder / "new.bin";
    EXPECT_TRUE(write_file(path, {"ab", "", "c"}));
    EXPECT_EQ(read_on_disk(path), "abc");
    EXPECT_TRUE(write_file(path, {"x"}));
    EXPECT_EQ(read_on_disk(path), "x");
    EXPECT_TRUE(write_file(path, {}));
    EXPECT_EQ(read_on_disk(path), "");
    EXPECT_TRUE(exists_on_disk(path));
    EXPECT_FALSE(write_file("", {"x"}));
    EXPECT_FALSE(write_file(folder / "missing\\new.bin", {"x"}));
}

TEST_F(FileServices, WriteFileReportsAFailedWriteOrClose) {
    std::string path = folder / "box.bin";
    fail_calls({FileCall::write_bytes});
    EXPECT_FALSE(write_file(path, {"a", "b"}));
    fail_calls({FileCall::close_file});
    EXPECT_FALSE(write_file(path, {"a", "b"}));
    fault_seam::disarm();
    // The failed close still let go of the file.
    EXPECT_TRUE(write_file(path, {"c"}));
    EXPECT_EQ(read_on_disk(path), "c");
}

TEST_F(FileServices, CopyReplacesTheTargetButNeverCopiesAFileOntoItself) {
    write_on_disk(folder / "a.bin", "box A");
    write_on_disk(folder / "b.bin", "box B, longer");
    EXPECT_TRUE(copy_file(folder / "a.bin", folder / "b.bin"));
    EXPECT_EQ(read_on_disk(folder / "b.bin"), "box A");
    EXPECT_TRUE(copy_file(folder / "a.bin", folder / "c.bin"));
    EXPECT_EQ(read_on_disk(folder / "c.bin"), "box A");

    EXPECT_FALSE(copy_file(folder / "a.bin", folder / "a.bin"));
    EXPECT_FALSE(copy_file(folder / "a.bin", folder.path() + "\\.\\a.bin"));
    EXPECT_EQ(read_on_disk(folder / "a.bin"), "box A");

    EXPECT_FALSE(copy_file(folder / "missing.bin", folder / "d.bin"));
    EXPECT_FALSE(exists_on_disk(folder / "d.bin"));
}

TEST_F(FileServices, CopyCarriesTheReadOnlyMarkAndRefusesAReadOnlyTarget) {
    write_on_disk(folder / "a.bin", "box A");
    write_on_disk(folder / "locked.bin", "keep me");
    test::set_read_only_on_disk(folder / "locked.bin", true);
    EXPECT_FALSE(copy_file(folder / "a.bin", folder / "locked.bin"));
    EXPECT_EQ(read_on_disk(folder / "locked.bin"), "keep me");

    EXPECT_TRUE(copy_file(folder / "locked.bin", folder / "copy.bin"));
    EXPECT_EQ(found(folder / "*.bin", attribute_read_only, false), (std::multiset<std::string>{"copy.bin", "locked.bin"}));
}

TEST_F(FileServices, MakeWritableClearsTheReadOnlyMarkOfAFileOnly) {
    write_on_disk(folder / "locked.bin", "L");
    test::set_read_only_on_disk(folder / "locked.bin", true);
    ASSERT_TRUE(copy_file(folder / "locked.bin", folder / "copy.bin"));
    EXPECT_TRUE(make_writable(folder / "copy.bin"));
    EXPECT_TRUE(make_writable(folder / "copy.bin")) << "already writable";
    EXPECT_EQ(found(folder / "*.bin", attribute_read_only, false), std::multiset<std::string>{"locked.bin"});
    EXPECT_TRUE(copy_file(folder / "locked.bin", folder / "copy.bin")) << "a writable target takes a copy";
    EXPECT_TRUE(make_writable(folder / "copy.bin"));
    EXPECT_TRUE(delete_file(folder / "copy.bin"));

    make_folder_on_disk(folder / "folder.bin");
    EXPECT_FALSE(make_writable(folder / "folder.bin"));
    EXPECT_FALSE(make_writable(folder / "missing.bin"));
    fail_calls({FileCall::make_writable});
    EXPECT_FALSE(make_writable(folder / "locked.bin"));
    EXPECT_EQ(found(folder / "*.bin", attribute_read_only, false), std::multiset<std::string>{"locked.bin"});
    fault_seam::disarm();
    test::set_read_only_on_disk(folder / "locked.bin", false);
}

TEST_F(FileServices, CopyKeepsTheLastWriteTime) {
    write_on_disk(folder / "a.bin", "box A");
    auto written = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    std::filesystem::last_write_time(test::disk_path(folder / "a.bin"), written);
    ASSERT_TRUE(copy_file(folder / "a.bin", folder / "b.bin"));
    EXPECT_EQ(std::filesystem::last_write_time(test::disk_path(folder / "b.bin")),
              std::filesystem::last_write_time(test::disk_path(folder / "a.bin")));
}

TEST_F(FileServices, MoveRenamesAcrossFolders) {
    make_folder_on_disk(folder / "MYBOX");
    write_on_disk(folder / "sharedstash_v2.bin", "stash");
    EXPECT_TRUE(move_file(folder / "sharedstash_v2.bin", folder / "MYBOX\\MYBOX 1.bin"));
    EXPECT_EQ(read_on_disk(folder / "MYBOX\\MYBOX 1.bin"), "stash");
    EXPECT_FALSE(exists_on_disk(folder / "sharedstash_v2.bin"));
    EXPECT_TRUE(move_file(folder / "MYBOX\\MYBOX 1.bin", folder / "MYBOX\\MYBOX 1.bin"));
    EXPECT_EQ(read_on_disk(folder / "MYBOX\\MYBOX 1.bin"), "stash");
    EXPECT_FALSE(move_file(folder / "missing.bin", folder / "x.bin"));
    EXPECT_FALSE(exists_on_disk(folder / "x.bin"));
}

TEST_F(FileServices, MoveOntoAnExistingFileFallsBackToCopyAndDelete) {
    write_on_disk(folder / "a.bin", "A");
    write_on_disk(folder / "b.bin", "B");
    EXPECT_TRUE(move_file(folder / "a.bin", folder / "b.bin"));
    EXPECT_EQ(names_on_disk(folder.path()), Names{"b.bin"});
    EXPECT_EQ(read_on_disk(folder / "b.bin"), "A");
}

// A move ends with the file in one place: the copy that carries it over
// where the rename fails (as across drives) is taken back when the source
// will not go away (read-only, held open).
TEST_F(FileServices, MoveEndsWithTheFileInOnePlaceOrFails) {
    write_on_disk(folder / "a.bin", "A");
    fail_calls({FileCall::move_file});
    EXPECT_TRUE(move_file(folder / "a.bin", folder / "b.bin"));
    EXPECT_EQ(names_on_disk(folder.path()), Names{"b.bin"});

    fail_calls({FileCall::move_file, FileCall::delete_file});
    EXPECT_FALSE(move_file(folder / "b.bin", folder / "c.bin"));
    EXPECT_EQ(names_on_disk(folder.path()), Names{"b.bin"});

    fail_calls({FileCall::move_file, FileCall::copy_file});
    EXPECT_FALSE(move_file(folder / "b.bin", folder / "d.bin"));
    EXPECT_EQ(names_on_disk(folder.path()), Names{"b.bin"});
    EXPECT_EQ(read_on_disk(folder / "b.bin"), "A");
}

TEST_F(FileServices, RenameNeverReplacesAndHasNoFallback) {
    write_on_disk(folder / "old.bin", "old");
    write_on_disk(folder / "taken.bin", "taken");
    EXPECT_FALSE(rename_file(folder / "old.bin", folder / "taken.bin"));
    EXPECT_EQ(read_on_disk(folder / "old.bin"), "old");
    EXPECT_EQ(read_on_disk(folder / "taken.bin"), "taken");
    EXPECT_FALSE(rename_file(folder / "missing.bin", folder / "new.bin"));

    EXPECT_TRUE(rename_file(folder / "old.bin", folder / "新的箱子.bin"));
    EXPECT_EQ(names_on_disk(folder.path()), (Names{"taken.bin", "新的箱子.bin"}));

    fail_calls({FileCall::move_file});
    EXPECT_FALSE(rename_file(folder / "taken.bin", folder / "other.bin"));
    EXPECT_EQ(names_on_disk(folder.path()), (Names{"taken.bin", "新的箱子.bin"}));
}

// No box is a folder: a folder where the stash should be must not travel as one.
TEST_F(FileServices, NeitherMoveNorRenameTakesAFolder) {
    make_folder_on_disk(folder / "sharedstash_v2.bin");
    write_on_disk(folder / "sharedstash_v2.bin\\inside.txt", "x");
    EXPECT_FALSE(rename_file(folder / "sharedstash_v2.bin", folder / "M.bin"));
    EXPECT_FALSE(move_file(folder / "sharedstash_v2.bin", folder / "M.bin"));
    EXPECT_EQ(names_on_disk(folder.path()), Names{"sharedstash_v2.bin"});
    EXPECT_EQ(names_on_disk(folder / "sharedstash_v2.bin"), Names{"inside.txt"});
}

TEST_F(FileServices, DeleteRemovesOneFileButNotAReadOnlyOne) {
    write_on_disk(folder / "a.bin", "A");
    write_on_disk(folder / "locked.bin", "L");
    test::set_read_only_on_disk(folder / "locked.bin", true);
    EXPECT_TRUE(delete_file(folder / "a.bin"));
    EXPECT_FALSE(delete_file(folder / "a.bin"));
    EXPECT_FALSE(delete_file(folder / "locked.bin"));
    EXPECT_EQ(names_on_disk(folder.path()), Names{"locked.bin"});
}

// Explorer's delete: into the Recycle Bin, with no window and no question.
// The headless backend's bin is a folder; without one, the file stays.
TEST_F(FileServices, RecycleTakesTheFileAwayOrSaysThereIsNoBin) {
    write_on_disk(folder / "a.bin", "A");
    write_on_disk(folder / "b.bin", "B");
#ifndef _WIN32
    EXPECT_EQ(recycle_file(folder / "a.bin"), no_recycle_bin);
    EXPECT_TRUE(test::exists_on_disk(folder / "a.bin"));
    make_folder_on_disk(folder / "bin");
    posix::set_recycle_folder(folder / "bin");
#endif
    EXPECT_EQ(recycle_file(folder / "a.bin"), recycled);
    EXPECT_EQ(recycle_file(folder / "missing.bin"), recycle_failed);
    EXPECT_FALSE(test::exists_on_disk(folder / "a.bin"));
    EXPECT_TRUE(test::exists_on_disk(folder / "b.bin"));
#ifndef _WIN32
    EXPECT_EQ(test::read_on_disk(folder / "bin\\1 a.bin"), "A");
    posix::set_recycle_folder("");
#endif
}

TEST_F(FileServices, CreateFolderMakesOneLevelOnly) {
    EXPECT_TRUE(create_folder(folder / "MYBOX"));
    EXPECT_FALSE(create_folder(folder / "MYBOX"));
    EXPECT_FALSE(create_folder(folder / "missing\\MYBOX"));
    EXPECT_FALSE(exists_on_disk(folder / "missing"));
    EXPECT_EQ(found(folder / "MYBOX", attribute_folder, false), std::multiset<std::string>{"MYBOX"});
}

TEST_F(FileServices, FileExistsForFilesFoldersAndPatterns) {
    make_folder_on_disk(folder / "save");
    write_on_disk(folder / "MYBOX.ini", "");
    EXPECT_TRUE(file_exists(folder / "MYBOX.ini"));
    EXPECT_TRUE(file_exists(folder / "save"));
    EXPECT_TRUE(file_exists(folder / "*.ini"));
    EXPECT_FALSE(file_exists(folder / "*.bin"));
    EXPECT_FALSE(file_exists(folder / "missing"));
    EXPECT_FALSE(file_exists(""));
    fail_calls({FileCall::find_first});
    EXPECT_FALSE(file_exists(folder / "MYBOX.ini"));
}

TEST_F(FileServices, FindFileListsBoxesOnly) {
    for (const char* name : {"a.bin", "B.BIN", "箱子.bin", "x.binary", "notes.txt", "abin"})
        write_on_disk(folder / name, name);
    make_folder_on_disk(folder / "folder.bin");
    EXPECT_EQ(found(folder / "*.bin", 0, true), (std::multiset<std::string>{"B.BIN", "a.bin", "箱子.bin"}));
    EXPECT_EQ(found(folder / "*.bin", attribute_folder, false), std::multiset<std::string>{"folder.bin"});
    EXPECT_EQ(found(folder / "?.bin", 0, true), (std::multiset<std::string>{"B.BIN", "a.bin"}));
}

TEST_F(FileServices, FindFileAcceptsByTheMask) {
    write_on_disk(folder / "file", "");
    write_on_disk(folder / "locked", "");
    test::set_read_only_on_disk(folder / "locked", true);
    make_folder_on_disk(folder / "sub");

    std::multiset<std::string> folders{".", "..", "sub"};
    EXPECT_EQ(found(folder / "*", attribute_folder, false), folders);
    EXPECT_EQ(found(folder / "*", attribute_read_only, false), std::multiset<std::string>{"locked"});
    EXPECT_EQ(found(folder / "*", 0, true), (std::multiset<std::string>{"file", "locked"}));
    // Bits outside read-only, hidden, system, folder and archive do not count:
    // such a mask accepts only an entry whose attribute word is 0.
    EXPECT_EQ(found(folder / "*", 0x80 | 0x100, false), std::multiset<std::string>{});
    EXPECT_EQ(found(folder / "*", 0x80 | attribute_folder, false), folders);
    // Files only ignores the mask.
    EXPECT_EQ(found(folder / "*", attribute_folder, true), (std::multiset<std::string>{"file", "locked"}));
}

TEST_F(FileServices, FindFileOnOneExactPathTellsFoldersFromFiles) {
    make_folder_on_disk(folder / "MYBOX");
    write_on_disk(folder / "file", "");
    EXPECT_EQ(found(folder / "MYBOX", attribute_folder, false), std::multiset<std::string>{"MYBOX"});
    EXPECT_EQ(found(folder / "file", attribute_folder, false), std::multiset<std::string>{});
    EXPECT_EQ(found(folder / "MYBOX", 0, true), std::multiset<std::string>{});
    EXPECT_EQ(found(folder / "missing", attribute_folder, false), std::multiset<std::string>{});
    EXPECT_EQ(found(folder / "*", 0, true), std::multiset<std::string>{"file"});
}

TEST_F(FileServices, FindFileHandleRestartsEndsAndSurvivesFailures) {
    for (const char* name : {"1.bin", "2.bin", "3.bin"}) write_on_disk(folder / name, "");
    SearchHandle handle;
    EXPECT_FALSE(find_file(folder / "*.bin", 0, true, handle).empty());
    EXPECT_NE(handle.native, 0);
    // A new pattern starts over, closing the open search.
    std::string first = find_file(folder / "2.bin", 0, true, handle);
    EXPECT_EQ(first, "2.bin");
    EXPECT_EQ(find_file("", 0, true, handle), "");
    EXPECT_EQ(handle.native, 0);
    EXPECT_EQ(find_file("", 0, true, handle), "");

    EXPECT_FALSE(find_file(folder / "*.bin", 0, true, handle).empty());
    end_find_file(handle);
    EXPECT_EQ(handle.native, 0);
    end_find_file(handle);

    EXPECT_FALSE(find_file(folder / "*.bin", 0, true, handle).empty());
    fail_calls({FileCall::find_next});
    EXPECT_EQ(find_file("", 0, true, handle), "");
    EXPECT_EQ(handle.native, 0);
    fail_calls({FileCall::find_first});
    EXPECT_EQ(find_file(folder / "*.bin", 0, true, handle), "");
    EXPECT_EQ(handle.native, 0);
}

// A watch tells each change of its folder's files once. Windows has none,
// and says "changed" at every ask.
TEST_F(FileServices, FolderWatchTellsEachChangeOfItsFolder) {
    const std::string watched = folder / "box";
    make_folder_on_disk(watched);
    write_on_disk(watched + "\\a.bin", "a");
    FolderWatch watch(watched);
#ifdef _WIN32
    constexpr bool has_watch = false;
#else
    constexpr bool has_watch = true;
#endif
    EXPECT_TRUE(watch.changed()) << "the first time";
    EXPECT_EQ(watch.changed(), !has_watch) << "nothing changed";
    const struct {
        const char* name;
        std::function<void()> change;
        bool then_quiet = true;  // told once
    } changes[] = {
        {"a file made", [&] { write_on_disk(watched + "\\b.bin", "b"); }},
        {"a file written over", [&] { write_on_disk(watched + "\\b.bin", "bb"); }},
        {"a file renamed", [&] { EXPECT_TRUE(rename_file(watched + "\\b.bin", watched + "\\c.bin")); }},
        {"a file made read-only", [&] { test::set_read_only_on_disk(watched + "\\c.bin", true); }},
        {"a file deleted", [&] { std::filesystem::remove(test::disk_path(watched + "\\a.bin")); }},
        {"a folder made", [&] { make_folder_on_disk(watched + "\\sub"); }},
        {"the folder removed",
         [&] {
             test::set_read_only_on_disk(watched + "\\c.bin", false);  // else Windows keeps it
             std::filesystem::remove_all(test::disk_path(watched));
         },
         false},
        {"the folder made again", [&] { make_folder_on_disk(watched); }},
        {"a file made in the new folder", [&] { write_on_disk(watched + "\\d.bin", "d"); }},
    };
    for (const auto& each : changes) {
        SCOPED_TRACE(each.name);
        each.change();
        EXPECT_TRUE(watch.changed());
        EXPECT_EQ(watch.changed(), !has_watch || !each.then_quiet) << "a missing folder cannot be watched";
    }
}

TEST_F(FileServices, ReadWholeFile) {
    std::string bytes(100000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
    write_on_disk(folder / "data", bytes);
    std::string read;
    EXPECT_TRUE(read_whole_file(folder / "data", read));
    EXPECT_EQ(read, bytes);
    EXPECT_FALSE(read_whole_file(folder / "missing", read));
    EXPECT_FALSE(read_whole_file(folder.path(), read));

    // With a limit: a longer file is refused and nothing of it kept.
    EXPECT_TRUE(read_file_up_to(folder / "data", bytes.size(), read));
    EXPECT_EQ(read, bytes);
    EXPECT_FALSE(read_file_up_to(folder / "data", bytes.size() - 1, read));
    EXPECT_EQ(read, "");

    // Size and last-write time, for files only.
    FileFacts facts, again;
    ASSERT_TRUE(file_facts(folder / "data", facts));
    EXPECT_EQ(facts.size, bytes.size());
    EXPECT_NE(facts.last_write, 0u);
    ASSERT_TRUE(file_facts(folder / "data", again));
    EXPECT_EQ(again, facts);
    write_on_disk(folder / "data", "shorter");
    ASSERT_TRUE(file_facts(folder / "data", again));
    EXPECT_EQ(again.size, 7u);
    EXPECT_FALSE(file_facts(folder / "missing", facts));
    EXPECT_FALSE(file_facts(folder.path(), facts));
}

TEST_F(FileServices, WriteFileAtomicallyReplacesOrCreates) {
    std::string path = folder / "MYBOX.ini";
    EXPECT_TRUE(write_file_atomically(path, "first"));
    EXPECT_EQ(read_on_disk(path), "first");
    EXPECT_TRUE(write_file_atomically(path, "second, longer"));
    EXPECT_EQ(read_on_disk(path), "second, longer");
    EXPECT_TRUE(write_file_atomically(path, ""));
    EXPECT_EQ(read_on_disk(path), "");

    EXPECT_FALSE(write_file_atomically(path, "third", false));
    EXPECT_TRUE(write_file_atomically(folder / "new.ini", "new", false));
    EXPECT_EQ(names_on_disk(folder.path()), (Names{"MYBOX.ini", "new.ini"}));

    EXPECT_FALSE(write_file_atomically(folder / "missing\\MYBOX.ini", "x"));
    EXPECT_FALSE(write_file_atomically("", "x"));
    EXPECT_EQ(names_on_disk(folder.path()), (Names{"MYBOX.ini", "new.ini"}));
}

TEST_F(FileServices, WriteFileAtomicallySkipsALeftoverTemporaryName) {
    std::string path = folder / "MYBOX.ini";
    for (int n = 1; n <= 3; ++n) write_on_disk(path + ".kistvar-tmp-" + std::to_string(n), "leftover");
    EXPECT_TRUE(write_file_atomically(path, "new"));
    EXPECT_EQ(read_on_disk(path), "new");
    EXPECT_EQ(names_on_disk(folder.path()).size(), 4u);
}

// A hundred crashes mid-write leave a hundred leftovers; the settings must
// still be writable, and a leftover held by a writer at work stays untouched.
TEST_F(FileServices, WriteFileAtomicallyStillWritesWhenCrashesLeftEveryTemporaryName) {
    std::string path = folder / "MYBOX.ini";
    write_on_disk(path, "old");
    for (int n = 1; n <= 150; ++n) write_on_disk(path + ".kistvar-tmp-" + std::to_string(n), "leftover");
    EXPECT_TRUE(write_file_atomically(path, "new"));
    EXPECT_EQ(read_on_disk(path), "new");
    EXPECT_TRUE(write_file_atomically(path, "newer"));
    EXPECT_EQ(read_on_disk(path), "newer");
    // Only our own leftovers go; no file beside them is touched.
    EXPECT_EQ(names_on_disk(folder.path()).size(), 150u);
    for (int n = 101; n <= 150; ++n)
        EXPECT_EQ(read_on_disk(path + ".kistvar-tmp-" + std::to_string(n)), "leftover") << n;

    // A failed removal is no success: the name is stepped over, nothing lost.
    fail_calls({FileCall::delete_file});
    write_on_disk(path + ".kistvar-tmp-1", "leftover");
    write_on_disk(path + ".kistvar-tmp-2", "leftover");
    EXPECT_FALSE(write_file_atomically(path, "lost?"));
    fault_seam::disarm();
    EXPECT_EQ(read_on_disk(path), "newer");
}

TEST_F(FileServices, WriteFileAtomicallyFailingAtAnyStepLeavesTheOldFileAndNoTemporary) {
    std::string path = folder / "MYBOX.ini";
    write_on_disk(path, "old");
    fault_seam::disarm();
    ASSERT_TRUE(write_file_atomically(path, "new"));
    std::uint64_t steps = fault_seam::calls_seen();
    EXPECT_GE(steps, 5u);  // open, write, flush, close, replace

    for (std::uint64_t step = 1; step <= steps; ++step) {
        write_on_disk(path, "old");
        fault_seam::fail_call_number(step);
        EXPECT_FALSE(write_file_atomically(path, "new")) << "step " << step;
        EXPECT_EQ(fault_seam::failures_made(), 1u);
        fault_seam::disarm();
        EXPECT_EQ(read_on_disk(path), "old") << "step " << step;
        EXPECT_EQ(names_on_disk(folder.path()), Names{"MYBOX.ini"}) << "step " << step;
    }
}

TEST_F(FileServices, WriteFileAtomicallyLeavesAReadOnlyFileAlone) {
    std::string path = folder / "MYBOX.ini";
    write_on_disk(path, "old");
    test::set_read_only_on_disk(path, true);
    EXPECT_FALSE(write_file_atomically(path, "new"));
    EXPECT_EQ(read_on_disk(path), "old");
    EXPECT_EQ(names_on_disk(folder.path()), Names{"MYBOX.ini"});
}

TEST_F(FileServices, PathsLongerThan260CharactersWork) {
    std::string deep = folder.path();
    for (char part = 'a'; deep.size() <= 300; ++part) {
        deep += "\\" + std::string(60, part);
        ASSERT_TRUE(create_folder(deep)) << deep.size();
    }
    std::string box = deep + "\\" + std::string(40, 'x') + ".bin";
    ASSERT_GT(box.size(), 300u);
    EXPECT_TRUE(write_file(box, {"box", " bytes"}));
    EXPECT_TRUE(file_exists(box));
    EXPECT_EQ(found(deep + "\\*.bin", 0, true), std::multiset<std::string>{std::string(40, 'x') + ".bin"});
    EXPECT_EQ(found(deep, attribute_folder, false).size(), 1u);

    EXPECT_TRUE(copy_file(box, deep + "\\copy.bin"));
    EXPECT_FALSE(copy_file(box, box));
    EXPECT_TRUE(move_file(deep + "\\copy.bin", deep + "\\moved.bin"));
    EXPECT_TRUE(rename_file(deep + "\\moved.bin", deep + "\\renamed.bin"));
    EXPECT_TRUE(write_file_atomically(deep + "\\MYBOX.ini", "[s]\r\n"));
    EXPECT_TRUE(write_file_atomically(deep + "\\MYBOX.ini", "[t]\r\n"));

    std::string bytes;
    EXPECT_TRUE(read_whole_file(deep + "\\renamed.bin", bytes));
    EXPECT_EQ(bytes, "box bytes");
    EXPECT_TRUE(read_whole_file(deep + "\\MYBOX.ini", bytes));
    EXPECT_EQ(bytes, "[t]\r\n");
    EXPECT_TRUE(delete_file(deep + "\\renamed.bin"));
    EXPECT_TRUE(delete_file(deep + "\\MYBOX.ini"));
    EXPECT_TRUE(delete_file(box));
    EXPECT_EQ(found(deep + "\\*", 0, true), std::multiset<std::string>{});  // no temporary left either
}

}  // namespace
}  // namespace kistvar
