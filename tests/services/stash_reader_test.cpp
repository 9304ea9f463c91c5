#include "stash/stash_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contents/contents_texts.h"
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

TEST(StashReader, ItemsOfBothLayoutsWithNamesPlacesLevelsAndStacks) {
    std::vector<StashItem> items = {
        test::stash_item("Amulet", 24, 12, 37),
        test::stash_item("|cFFFF0000Зелье|u\u00A0здоровья", 25, 40, 1, 87),
        test::stash_item("Frost Bolt", 26, 1, 5),
    };
    items[0].prefix = "Red [ITEM]";
    items[0].suffix = "[ITEM] of Regeneration";
    items[2].prefix = "no marker here";
    items[2].mods = 3;
    for (std::uint32_t version : {test::stash_version_old, test::stash_version_current}) {
        SCOPED_TRACE(version);
        stash::Contents contents = stash::read_stash(test::stash_file(items, version));
        ASSERT_EQ(contents.problem, Problem::none);
        EXPECT_EQ(contents.version, version);
        ASSERT_EQ(contents.items.size(), 3u);
        EXPECT_EQ(contents.items[0].name, "Red Amulet of Regeneration");
        EXPECT_EQ(contents.items[0].tab, Tab::gear);
        EXPECT_EQ(contents.items[0].place, 12);
        EXPECT_EQ(contents.items[0].level, 37u);
        EXPECT_EQ(contents.items[0].stack, 1u);
        EXPECT_EQ(contents.items[1].name, "Зелье здоровья");
        EXPECT_EQ(contents.items[1].tab, Tab::consumables);
        EXPECT_EQ(contents.items[1].place, 40);
        EXPECT_EQ(contents.items[1].stack, 87u);
        EXPECT_EQ(contents.items[2].name, "Frost Bolt");
        EXPECT_EQ(contents.items[2].tab, Tab::spells);
        EXPECT_EQ(contents.items[2].place, 1);
    }
}

TEST(StashReader, RecordsOfAnUnknownLayoutStillCountAsItems) {
    const std::string body = test::stash_body({"abc", std::string(300, '\x7F')});
    for (std::uint32_t version : {0x42u, 0x43u}) {
        stash::Contents contents = stash::read_stash(test::stash_container(body, version));
        ASSERT_EQ(contents.problem, Problem::none);
        ASSERT_EQ(contents.items.size(), 2u);
        EXPECT_FALSE(contents.items[0].known_layout);
        EXPECT_EQ(contents.items[0].place, 0);
    }
    // A plain (unscrambled) body reads as well.
    stash::Contents plain = stash::read_stash(test::stash_container(body, 0x42, false));
    EXPECT_EQ(plain.items.size(), 2u);
}

// Every kind of damage, each made from a good file, gives its reason and no items.
TEST(StashReader, DamagedFilesGiveTheirReason) {
    const std::vector<StashItem> two = {test::stash_item("Sword"), test::stash_item("Shield", 24, 2)};
    const std::string good = test::stash_file(two);
    const std::string record = test::stash_record(two[0]);
    auto with_body = [](const std::string& body) { return test::stash_container(body); };
    auto changed = [&](auto change) {
        std::string bytes = good;
        change(bytes);
        return bytes;
    };
    struct Case {
        const char* what;
        std::string bytes;
        Problem problem;
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
        {"record too short for its fields", with_body(test::stash_body({record.substr(0, 60)})),
         Problem::damaged_record},
        {"name length past the record", with_body(test::stash_body({std::string(record).replace(9, 2, "\xFF\xFF")})),
         Problem::damaged_record},
        {"a hostile mod count",
         with_body(test::stash_body({std::string(record).replace(1 + 8 + 3 * 2 + 2 * 5 + 24, 4, "\xFF\xFF\xFF\xFF")})),
         Problem::damaged_record},
        {"bytes after the last record", with_body(test::stash_body({record}) + "xyz"), Problem::bytes_left_over},
        {"too large", std::string(stash::largest_stash_size + 1, '\0'), Problem::too_large},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        stash::Contents contents = stash::read_stash(c.bytes);
        EXPECT_EQ(contents.problem, c.problem);
        EXPECT_TRUE(contents.items.empty());
        EXPECT_FALSE(contents::problem_text(c.problem).empty());
    }
}

}  // namespace
}  // namespace kistvar
