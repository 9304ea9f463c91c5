#include "stash/stash_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contents/contents_texts.h"
#include "stash/contents_cache.h"
#include "stash/stash_scramble.h"
#include "stash/stash_writer.h"
#include "support/stash_writer.h"

namespace kistvar {
namespace {

using stash::Problem;
using stash::Tab;
using test::StashItem;

void set_u32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

TEST(StashReader, TheEmptyImageOfANewBoxIsAnEmptyStash) {
    const std::string image("\x42\0\0\0\x01\x53\x46\xD4\x78\0\0\0\0\x11\0\0\0", 17);
    stash::Contents contents = stash::read_stash(image);
    EXPECT_EQ(contents.problem, Problem::none);
    EXPECT_EQ(contents.version, 0x42u);
    EXPECT_TRUE(contents.items.empty());
    // The writer's direction gives the same bytes, so the tests' stashes
    // follow the game's rules.
    EXPECT_EQ(test::stash_container(test::stash_body({}), test::stash_version_empty_image), image);
}

// The checksum and the scramble are worked many bytes at a time; at every
// length, and for every byte value, they give what the rule byte by byte gives.
TEST(StashReader, ChecksumAndScrambleFollowTheRuleByteByByte) {
    std::string bytes;
    for (int i = 0; i < 1000; ++i) bytes += static_cast<char>(i * 37 + i / 256);  // 0x00 and 0xFF among them
    const auto invert = [](unsigned b) { return b == 0x00 || b == 0xFF ? b : b ^ 0xFF; };
    for (std::size_t length : {0, 1, 15, 16, 17, 31, 33, 1000}) {
        SCOPED_TRACE(length);
        const std::string_view stored(bytes.data(), length);
        std::string plain(length, '\0');
        for (std::size_t i = 0; i < length; ++i) {
            const unsigned mirror = static_cast<unsigned char>(stored[length - 1 - i]);
            plain[i] = static_cast<char>(invert((mirror & 0x0F) << 4 | static_cast<unsigned char>(stored[i]) >> 4));
        }
        EXPECT_EQ(stash::unscramble(stored), plain);
        EXPECT_EQ(stash::scramble(plain), stored);
        std::uint32_t sum = 5331;
        for (unsigned char b : plain) sum = sum * 33 + b;
        EXPECT_EQ(stash::body_checksum(plain), sum);
    }
}

TEST(StashReader, ItemsOfBothLayoutsWithNamesPlacesLevelsAndStacks) {
    struct Row {
        StashItem stored;
        const char* name;
        Tab tab;
        int place;
    };
    std::vector<Row> rows = {
        {test::stash_item("Amulet", 24, 12, 37), "Red Amulet of Regeneration", Tab::gear, 12},
        {test::stash_item("|cFFFF0000Зелье|u\u00A0здоровья", 25, 40, 1, 87), "Зелье здоровья", Tab::consumables, 40},
        {test::stash_item("Frost Bolt", 26, 1, 5), "Frost Bolt", Tab::spells, 1},
        {test::stash_item("Twin", 26, 2), "Twin and [ITEM]", Tab::spells, 2},
        // One cell past the tab's last, and one before its first: the game shows neither.
        {test::stash_item("Lost ring", 24, 41), "Lost ring", Tab::gear, 0},
        {test::stash_item("Lost bolt", 26, 0), "Lost bolt", Tab::spells, 0},
    };
    rows[0].stored.prefix = "Red [ITEM]";
    rows[0].stored.suffix = "[ITEM] of Regeneration";
    rows[2].stored.prefix = "no marker here";
    rows[2].stored.mods = 3;
    rows[3].stored.prefix = "[ITEM] and [ITEM]";  // only the first takes the name
    std::vector<StashItem> stored;
    for (const Row& row : rows) stored.push_back(row.stored);
    for (std::uint32_t version : {test::stash_version_old, test::stash_version_current}) {
        stash::Contents contents = stash::read_stash(test::stash_file(stored, version));
        ASSERT_EQ(contents.problem, Problem::none);
        EXPECT_EQ(contents.version, version);
        ASSERT_EQ(contents.items.size(), rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(std::to_string(version) + " " + rows[i].name);
            EXPECT_EQ(contents.items[i].name, rows[i].name);
            EXPECT_EQ(contents.items[i].tab, rows[i].tab);
            EXPECT_EQ(contents.items[i].place, rows[i].place);
            EXPECT_EQ(contents.items[i].level, rows[i].stored.level);
            EXPECT_EQ(contents.items[i].stack, rows[i].stored.stack);
        }
    }
}

// Records of a layout this reader does not know count as items, as a number
// only; a forged count of many records costs less than its file.
TEST(StashReader, RecordsOfAnUnknownLayoutAreCountedNotKept) {
    const std::string body = test::stash_body({"abc", std::string(300, '\x7F')});
    for (bool scrambled : {true, false}) {
        stash::Contents contents = stash::read_stash(test::stash_container(body, 0x43, scrambled));
        ASSERT_EQ(contents.problem, Problem::none);
        EXPECT_TRUE(contents.items.empty());
        EXPECT_EQ(contents.item_count(), 2u);
    }
    std::string forged(4, '\0');
    set_u32(forged, 0, 100'000);
    forged.append(400'000, '\0');  // a hundred thousand records of no bytes
    for (std::uint32_t version : {0x42u, test::stash_version_current}) {
        SCOPED_TRACE(version);
        stash::Contents contents = stash::read_stash(test::stash_container(forged, version));
        EXPECT_EQ(contents.unknown_records + contents.damaged_records, 100'000u);
        EXPECT_LT(stash::estimated_size(contents), forged.size());
    }
}

// Damage to the file gives its reason and lists nothing; a record whose own
// fields run past its length is counted and the rest are listed.
TEST(StashReader, DamagedFilesGiveTheirReasonAndDamagedRecordsAreCounted) {
    const std::vector<StashItem> two = {test::stash_item("Sword"), test::stash_item("Shield", 24, 2)};
    const std::string good = test::stash_file(two);
    const std::string record = test::stash_record(two[0]);
    auto with_body = [](const std::string& body) { return test::stash_container(body); };
    auto beside_a_good_one = [&](const std::string& damaged) { return with_body(test::stash_body({record, damaged})); };
    auto changed = [&](auto change) {
        std::string bytes = good;
        change(bytes);
        return bytes;
    };
    // A good file of `size` bytes: one record with a tail no field reaches.
    auto of_size = [&](std::size_t size) {
        return with_body(test::stash_body({record + std::string(size - 21 - record.size(), '\x55')}));
    };
    struct Case {
        const char* what;
        std::string bytes;
        Problem problem;
        std::size_t listed = 0;
        std::size_t damaged = 0;
    };
    const std::vector<Case> cases = {
        {"no bytes", "", Problem::too_short},
        {"header without footer", good.substr(0, 12), Problem::too_short},
        {"no room for the item count", test::stash_container(""), Problem::too_short},
        {"the first game's version", changed([](std::string& b) { b[0] = 0x40; }), Problem::unknown_version},
        {"a version from the future", changed([](std::string& b) { b[0] = 0x45; }), Problem::unknown_version},
        {"an unknown scramble flag", changed([](std::string& b) { b[4] = 2; }), Problem::unknown_version},
        {"cut short", good.substr(0, good.size() - 1), Problem::wrong_length},
        {"a byte appended", good + '\0', Problem::wrong_length},
        {"footer off by one", changed([](std::string& b) { set_u32(b, b.size() - 4, b.size() + 1); }),
         Problem::wrong_length},
        {"one body bit flipped", changed([](std::string& b) { b[20] ^= 0x04; }), Problem::wrong_checksum},
        {"checksum changed", changed([](std::string& b) { b[5] ^= 1; }), Problem::wrong_checksum},
        {"count larger than the records", with_body(test::stash_body({record}).replace(0, 1, "\x02")),
         Problem::damaged_record},
        {"a hostile count", with_body(test::stash_body({record}).replace(0, 4, "\xFF\xFF\xFF\xFF")),
         Problem::damaged_record},
        {"record length past the body", with_body(test::stash_body({record}).replace(4, 4, "\xFF\xFF\xFF\x7F")),
         Problem::damaged_record},
        {"bytes after the last record", with_body(test::stash_body({record}) + "xyz"), Problem::bytes_left_over},
        {"record too short for its fields", beside_a_good_one(record.substr(0, 60)), Problem::none, 1, 1},
        {"name length past the record", beside_a_good_one(std::string(record).replace(9, 2, "\xFF\xFF")),
         Problem::none, 1, 1},
        {"a hostile mod count",
         beside_a_good_one(std::string(record).replace(1 + 8 + 3 * 2 + 2 * 5 + 24, 4, "\xFF\xFF\xFF\xFF")),
         Problem::none, 1, 1},
        {"exactly the size limit", of_size(stash::largest_stash_size), Problem::none, 1},
        {"one byte over the size limit", of_size(stash::largest_stash_size + 1), Problem::too_large},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        stash::Contents contents = stash::read_stash(c.bytes);
        EXPECT_EQ(contents.problem, c.problem);
        EXPECT_EQ(contents.items.size(), c.listed);
        EXPECT_EQ(contents.damaged_records, c.damaged);
        EXPECT_EQ(contents.writable(), c.problem == Problem::none && c.damaged == 0) << "a move may not write it";
        if (!contents.writable()) {
            EXPECT_FALSE(contents::problem_text(contents.write_refusal()).empty());
        }
    }
}

// What a move may write is written back byte for byte; any other file is
// refused with the reason the reader gives.
TEST(StashReader, EveryBoxAMoveMayWriteIsWrittenBackByteForByte) {
    StashItem amulet = test::stash_item("Amulet", 24, 12, 37);
    amulet.prefix = "Red [ITEM]";
    amulet.mods = 2;
    const std::vector<StashItem> items = {amulet, test::stash_item("Potion", 25, 40, 1, 87),
                                          test::stash_item("Lost ring", 24, 41)};
    const std::string record = test::stash_record(items[0]);
    std::string wrong_checksum = test::stash_file(items);
    wrong_checksum[5] ^= 1;
    struct Case {
        const char* what;
        std::string bytes;
        Problem refusal;
    };
    const std::vector<Case> cases = {
        {"the empty image of a new box", test::stash_container(test::stash_body({}), 0x42), Problem::none},
        {"current layout", test::stash_file(items), Problem::none},
        {"old layout", test::stash_file(items, test::stash_version_old), Problem::none},
        {"a plain body", test::stash_container(test::stash_body({record}), 0x44, false), Problem::none},
        {"records of an unknown layout", test::stash_container(test::stash_body({"abc"}), 0x43), Problem::unknown_version},
        {"a version of unknown layout", test::stash_container(test::stash_body({}), 0x43), Problem::unknown_version},
        {"a damaged record", test::stash_container(test::stash_body({record, "short"})), Problem::damaged_record},
        {"a wrong checksum", wrong_checksum, Problem::wrong_checksum},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const stash::RecordsRead read = stash::read_stash_records(c.bytes);
        EXPECT_EQ(read.refusal, c.refusal);
        EXPECT_EQ(read.records.has_value(), c.refusal == Problem::none);
        if (read.records) {
            EXPECT_EQ(stash::write_stash(*read.records), c.bytes);
        }
    }
}

// A move changes cells alone: within a box, and by taking a record whole
// into a box of the same layout or into a new one, which takes its version.
TEST(StashReader, RecordsMoveByTheirCellsAlone) {
    StashItem amulet = test::stash_item("Amulet", 24, 12, 37);
    amulet.suffix = "[ITEM] of Regeneration";
    const std::vector<StashItem> items = {amulet, test::stash_item("Potion", 25, 40, 1, 87),
                                          test::stash_item("Frost Bolt", 26, 1, 5)};
    const std::string file = test::stash_file(items);
    auto places = [](const std::string& bytes) {
        std::vector<std::string> shown;
        for (const stash::Item& item : stash::read_stash(bytes).items)
            shown.push_back(item.name + " " + std::to_string(item.stack) + " @" + std::to_string(item.place));
        return shown;
    };

    stash::StashRecords box = *stash::read_stash_records(file).records;
    EXPECT_TRUE(box.set_place(1, 7));
    EXPECT_FALSE(box.set_place(2, 41));
    EXPECT_EQ(places(stash::write_stash(box)),
              (std::vector<std::string>{"Amulet of Regeneration 1 @12", "Potion 87 @7", "Frost Bolt 1 @1"}));

    stash::StashRecords image = *stash::read_stash_records(test::stash_file({}, 0x42)).records;
    stash::Record potion = box.take(1);
    EXPECT_FALSE(image.put(std::move(potion), 41));
    EXPECT_TRUE(image.put(std::move(potion), 3));
    const std::string gained = stash::write_stash(image);
    EXPECT_EQ(stash::read_stash(gained).version, test::stash_version_current);
    EXPECT_EQ(places(gained), (std::vector<std::string>{"Potion 87 @3"}));
    EXPECT_EQ(places(stash::write_stash(box)), (std::vector<std::string>{"Amulet of Regeneration 1 @12", "Frost Bolt 1 @1"}));

    // The two layouts differ: a record of one never enters a box of the other.
    stash::StashRecords old = *stash::read_stash_records(test::stash_file({}, test::stash_version_old)).records;
    stash::Record amulet_record = box.take(0);
    EXPECT_FALSE(old.put(std::move(amulet_record), 1));
    EXPECT_TRUE(box.put(std::move(amulet_record), 12));
    EXPECT_EQ(places(stash::write_stash(box)), (std::vector<std::string>{"Frost Bolt 1 @1", "Amulet of Regeneration 1 @12"}));
}

}  // namespace
}  // namespace kistvar
