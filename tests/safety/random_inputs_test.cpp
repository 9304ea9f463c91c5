// The text handling that meets what users and other programs wrote (the
// settings file, dropped paths, typed names, numbers in settings), fed
// thousands of random and mutated inputs from a fixed seed.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "store/box_titles.h"
#include "platform/profile_text.h"
#include "platform/text.h"

namespace kistvar {
namespace {

constexpr int rounds = 20000;

// Bytes that matter to the parsers: brackets, '=', ';', quotes, blanks, line
// ends, backslashes, ".bin", GBK lead bytes, and anything else now and then.
std::string random_text(std::mt19937_64& random, std::size_t longest) {
    static const std::string pieces[] = {"[", "]", "=", ";", "\"", "'", " ", "\t", "\r\n", "\n", "\r", "\\",
                                         ".bin", "状态", "正在使用", "a", "B", "0", "1", "-", "+", ".", "e",
                                         "\xef\xbc\x91", "\x81", "\xfe", std::string(1, '\0')};
    std::string text;
    const std::size_t length = random() % (longest + 1);
    while (text.size() < length) {
        if (random() % 8 == 0)
            text += static_cast<char>(random() % 256);
        else
            text += pieces[random() % std::size(pieces)];
    }
    return text;
}

std::string random_name(std::mt19937_64& random) {
    std::string name = random_text(random, 12);
    name.erase(std::remove(name.begin(), name.end(), '\0'), name.end());
    return name;
}

TEST(RandomInputs, TheProfileReaderReadsBackEveryValueItWrote) {
    std::mt19937_64 random(1);
    for (int round = 0; round < rounds; ++round) {
        std::string file = random_text(random, 120);
        // Names and values as the program writes them: no line breaks, no
        // brackets in a section, no '=' in a key, names not blank.
        std::string section = "s" + std::to_string(random() % 3);
        std::string key = "k" + std::to_string(random() % 3);
        std::string value = random_name(random);
        value.erase(std::remove_if(value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n'; }),
                    value.end());
        std::string written = profile_text::write_value(file, section, key, value);
        std::optional<std::string> read = profile_text::read_value(written, section, key);
        ASSERT_TRUE(read.has_value()) << "round " << round;
        // Blanks around a value and one pair of outer quotes do not survive a read.
        std::string expected = value;
        while (!expected.empty() && (expected.front() == ' ' || expected.front() == '\t')) expected.erase(0, 1);
        while (!expected.empty() && (expected.back() == ' ' || expected.back() == '\t')) expected.pop_back();
        if (expected.size() >= 2 && (expected.front() == '"' || expected.front() == '\'') &&
            expected.back() == expected.front())
            expected = expected.substr(1, expected.size() - 2);
        EXPECT_EQ(*read, expected) << "round " << round;
        // Writing the same again changes nothing; removing the key removes it.
        EXPECT_EQ(profile_text::write_value(written, section, key, value), written);
        EXPECT_FALSE(profile_text::read_value(profile_text::write_value(written, section, key, std::nullopt), section,
                                              key)
                         .has_value());
    }
}

TEST(RandomInputs, DroppedPathsSplitIntoPiecesThatJoinBack) {
    std::mt19937_64 random(2);
    for (int round = 0; round < rounds; ++round) {
        const std::string text = random_text(random, 80);
        std::vector<std::string> pieces = split_text(text, "\\");
        std::string joined;
        for (std::size_t i = 0; i < pieces.size(); ++i) joined += (i ? "\\" : "") + pieces[i];
        // Only a trailing empty piece is dropped, so the join is a prefix.
        EXPECT_EQ(text.compare(0, joined.size(), joined), 0) << "round " << round;
        const std::string last = pieces.empty() ? "" : pieces.back();
        EXPECT_LE(text_length(right_text(last, 4)), 4u);
        EXPECT_EQ(left_text(last, static_cast<long long>(text_length(last)) - 4) + right_text(last, 4),
                  text_length(last) >= 4 ? last : right_text(last, 4));
    }
}

TEST(RandomInputs, AcceptedBoxNamesHoldNoCharacterAFileNameCannotHave) {
    std::mt19937_64 random(3);
    for (int round = 0; round < rounds; ++round) {
        const std::string name = random_name(random);
        if (!store::box_name_problem(name).empty()) continue;
        EXPECT_FALSE(name.empty());
        for (unsigned char c : name) {
            EXPECT_GE(c, 0x20) << "round " << round;
            EXPECT_EQ(std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)), std::string_view::npos);
        }
    }
}

TEST(RandomInputs, NumbersFromAnyTextAreFiniteOrLeadingNumbers) {
    std::mt19937_64 random(4);
    for (int round = 0; round < rounds; ++round) {
        const std::string text = random_text(random, 24);
        const double number = to_number(text);
        const std::int32_t integer = to_integer(text);
        (void)number;
        (void)integer;
        EXPECT_EQ(to_number(to_text(round)), round);
        EXPECT_EQ(to_integer(to_text(-round)), -round);
    }
}

}  // namespace
}  // namespace kistvar
