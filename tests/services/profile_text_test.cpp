// The profile (INI) text rules, on the file's own bytes.
#include "platform/profile_text.h"

#include <gtest/gtest.h>

#include <random>

namespace kistvar::profile_text {
namespace {

using namespace std::string_view_literals;

std::optional<std::string> none = std::nullopt;

TEST(ProfileRead, NamesAreTrimmedAndMatchIgnoringCase) {
    std::string file = "[ Paths ]\r\n  Save Folder \t=\t C:\\save  \r\n";
    EXPECT_EQ(read_value(file, "paths", "save folder"), "C:\\save");
    EXPECT_EQ(read_value(file, "PATHS", "SAVE FOLDER"), "C:\\save");
    EXPECT_EQ(read_value(file, " Paths ", " Save Folder "), "C:\\save");
    EXPECT_EQ(read_value(file, "Paths", "Save"), none);
    EXPECT_EQ(read_value(file, "Path", "Save Folder"), none);
}

TEST(ProfileRead, OneOuterPairOfMatchingQuotesIsRemoved) {
    std::string file =
        "[s]\r\n"
        "double=\"a b\"\r\n"
        "single=' a '\r\n"
        "mixed=\"a'\r\n"
        "unmatched=\"a\r\n"
        "nested=\"\"x\"\"\r\n"
        "lone=\"\r\n"
        "\"quoted key\"=v\r\n";
    EXPECT_EQ(read_value(file, "s", "double"), "a b");
    EXPECT_EQ(read_value(file, "s", "single"), " a ");
    EXPECT_EQ(read_value(file, "s", "mixed"), "\"a'");
    EXPECT_EQ(read_value(file, "s", "unmatched"), "\"a");
    EXPECT_EQ(read_value(file, "s", "nested"), "\"x\"");
    EXPECT_EQ(read_value(file, "s", "lone"), "\"");
    EXPECT_EQ(read_value(file, "s", "\"quoted key\""), "v");
    EXPECT_EQ(read_value(file, "s", "quoted key"), none);
}

TEST(ProfileRead, FirstSectionAndFirstKeyOfANameWin) {
    std::string file = "[s]\r\nk=1\r\nK=2\r\n[t]\r\nk=3\r\n[S]\r\nk=4\r\nonly=5\r\n";
    EXPECT_EQ(read_value(file, "s", "k"), "1");
    EXPECT_EQ(read_value(file, "t", "k"), "3");
    EXPECT_EQ(read_value(file, "s", "only"), none);  // in the second [s], which is never looked at
}

TEST(ProfileRead, EmptyValueIsPresentButAKeyWithoutEqualsIsNot) {
    std::string file = "[s]\r\nempty=\r\nblank=   \r\nbare\r\n";
    EXPECT_EQ(read_value(file, "s", "empty"), "");
    EXPECT_EQ(read_value(file, "s", "blank"), "");
    EXPECT_EQ(read_value(file, "s", "bare"), none);
}

TEST(ProfileRead, LineKinds) {
    std::string file =
        "before=0\r\n"
        "[s] trailing text\r\n"
        "; k=comment\r\n"
        "  ;k2=comment too\r\n"
        "#k3=not a comment\r\n"
        "k4=a;b ; c\r\n"
        "k5=x=y\r\n"
        "[open\r\n"
        "k6=in open\r\n"
        "[a]b]\r\n"
        "k7=in a\r\n";
    EXPECT_EQ(read_value(file, "", "before"), none);
    EXPECT_EQ(read_value(file, "s", "k"), none);
    EXPECT_EQ(read_value(file, "s", "k2"), none);
    EXPECT_EQ(read_value(file, "s", "#k3"), "not a comment");
    EXPECT_EQ(read_value(file, "s", "k4"), "a;b ; c");
    EXPECT_EQ(read_value(file, "s", "k5"), "x=y");
    EXPECT_EQ(read_value(file, "open", "k6"), "in open");
    EXPECT_EQ(read_value(file, "a", "k7"), "in a");
}

// Only LF ends a line; CRs are blanks at the ends of a line's text, and a
// NUL ends a name or value as it ends the C strings the API hands over.
TEST(ProfileRead, LineEndsCarriageReturnsAndNulBytes) {
    EXPECT_EQ(read_value("[s]\nk=lf\n", "s", "k"), "lf");
    EXPECT_EQ(read_value("[s]\r\nk=crlf\r\r\n", "s", "k"), "crlf");
    EXPECT_EQ(read_value("[s]\r\nk=no final line end", "s", "k"), "no final line end");
    EXPECT_EQ(read_value("[s]\r\nk=a\rb\r", "s", "k"), "a\rb");
    EXPECT_EQ(read_value("[s]\rk=cr\r", "s", "k"), none);  // one line: a header and its trailing text
    EXPECT_EQ(read_value("[s]\r\n k \r= v\r\n", "s", "k"), "v");
    EXPECT_EQ(read_value("[s]\r\nk=ab\0cd\r\n"sv, "s", "k"), "ab");
    EXPECT_EQ(read_value("[s]\r\nk\0junk=v\r\n"sv, "s", "k"), "v");
    EXPECT_EQ(read_value("[s\0t]\r\nk=v\r\n"sv, "s", "k"), "v");
    EXPECT_EQ(read_value("[s]\r\n\0k=v\r\n"sv, "s", "k"), none);
    EXPECT_EQ(read_value("", "s", "k"), none);
}

TEST(ProfileRead, DoubleByteNamesCompareByWholeCharacters) {
    // 0x81 0x5D has "]" as its trail byte; 0x81 0x41 and 0x81 0x61 are two
    // different characters whose trail bytes are "A" and "a".
    std::string file = "[\x81\x5D\xC2\xB7]\r\n\x81\x41=upper\r\n\x81\x61=lower\r\n";
    EXPECT_EQ(read_value(file, "\x81\x5D\xC2\xB7", "\x81\x41"), "upper");
    EXPECT_EQ(read_value(file, "\x81\x5D\xC2\xB7", "\x81\x61"), "lower");
    EXPECT_EQ(read_value(file, "\x81", "\x81\x41"), none);
}

TEST(ProfileWrite, NewFileAndNewSections) {
    std::string file = write_value("", "s", "k", "v");
    EXPECT_EQ(file, "[s]\r\nk=v\r\n");
    EXPECT_EQ(write_value(file, "t", "k2", "v2"), "[s]\r\nk=v\r\n[t]\r\nk2=v2\r\n");
    EXPECT_EQ(write_value("[s]\r\nk=v", "t", "k", "w"), "[s]\r\nk=v\r\n[t]\r\nk=w\r\n");
    EXPECT_EQ(write_value("[s]\nk=v\n\n", "t", "k", "w"), "[s]\nk=v\n\n[t]\r\nk=w\r\n");
}

TEST(ProfileWrite, NewKeyGoesAfterTheLastKeyLineOfItsSection) {
    std::string file = "[s]\r\na=1\r\n; note\r\n\r\n[t]\r\nb=2\r\n";
    EXPECT_EQ(write_value(file, "s", "c", "3"), "[s]\r\na=1\r\nc=3\r\n; note\r\n\r\n[t]\r\nb=2\r\n");
    EXPECT_EQ(write_value(file, "t", "c", "3"), file + "c=3\r\n");
    EXPECT_EQ(write_value("[s]\r\n; only a note\r\n", "s", "k", "v"), "[s]\r\nk=v\r\n; only a note\r\n");
    EXPECT_EQ(write_value("[s]\r\nk=1", "s", "j", "2"), "[s]\r\nk=1\r\nj=2\r\n");
}

TEST(ProfileWrite, ChangingAKeyRewritesOnlyItsLine) {
    std::string file = "top line\n[S]\n  Key = old  \n\n;c\r[s]\r\nkey=second\r\n";
    EXPECT_EQ(write_value(file, "s", "KEY", " new value "),
              "top line\n[S]\nKey= new value \n\n;c\r[s]\r\nkey=second\r\n");
    EXPECT_EQ(write_value("[s]\r\nk=1", "s", "k", "2"), "[s]\r\nk=2");
    EXPECT_EQ(write_value("[s]\r\nk=1\r\n", "s", "k", ""), "[s]\r\nk=\r\n");
    EXPECT_EQ(write_value("[s]\r\nk=1\r\n", " s ", " k ", "2"), "[s]\r\nk=2\r\n");
}

TEST(ProfileWrite, LeftOutValueDeletesTheKey) {
    std::string file = "[s]\r\na=1\r\nb=2\r\n[t]\r\nb=3\r\n";
    EXPECT_EQ(write_value(file, "s", "b", std::nullopt), "[s]\r\na=1\r\n[t]\r\nb=3\r\n");
    EXPECT_EQ(write_value(file, "s", "missing", std::nullopt), file);
    EXPECT_EQ(write_value(file, "missing", "a", std::nullopt), file);
    EXPECT_EQ(write_value("[s]\r\na=1", "s", "a", std::nullopt), "[s]\r\n");
    // The lone CR stays part of the line before; it never meets the next LF.
    EXPECT_EQ(write_value("[s]\r\nx\r=\n\n", "s", "x\r", std::nullopt), "[s]\r\n\n");
    EXPECT_EQ(write_value("[s]\r\nj\rk=1\nk=2\n", "s", "k", std::nullopt), "[s]\r\nj\rk=1\n");
    EXPECT_EQ(write_value("[s]\r\nk=1\r", "s", "k", "2"), "[s]\r\nk=2\r");
    EXPECT_EQ(write_value("[s]\r\nk=1\r", "s", "j", "2"), "[s]\r\nk=1\r\r\nj=2\r\n");
}

TEST(ProfileWrite, LeftOutKeyDeletesTheFirstSectionOfThatName) {
    std::string file = "x\r\n[s]\r\na=1\r\n;c\r\n\r\n[t]\r\nb=2\r\n[s]\r\nc=3\r\n";
    EXPECT_EQ(write_value(file, "S", std::nullopt, std::nullopt), "x\r\n[t]\r\nb=2\r\n[s]\r\nc=3\r\n");
    EXPECT_EQ(write_value(file, "t", std::nullopt, "ignored"), "x\r\n[s]\r\na=1\r\n;c\r\n\r\n[s]\r\nc=3\r\n");
    EXPECT_EQ(write_value(file, "u", std::nullopt, std::nullopt), file);
}

TEST(ProfileWrite, ValuesAreVerbatimAndReadBackUnlessQuoted) {
    std::string file = write_value("", "s", "k", "  padded\t");
    EXPECT_EQ(file, "[s]\r\nk=  padded\t\r\n");
    EXPECT_EQ(read_value(file, "s", "k"), "padded");
}

TEST(ProfileText, GarbageNeverBreaksReadingOrWriting) {
    std::mt19937 random(20121023);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::string file(static_cast<std::size_t>(byte(random)) * 4, '\0');
        for (char& c : file) c = static_cast<char>(byte(random));
        if (round % 2) file += "\r\n[s]\r\nk=v";
        std::optional<std::string> before = read_value(file, "s", "k");
        std::string written = write_value(file, "s", "k", "new");
        EXPECT_EQ(read_value(written, "s", "k"), "new") << "round " << round;
        if (round % 2) {
            EXPECT_EQ(before, "v");
        }
        write_value(file, "s", std::nullopt, std::nullopt);
        write_value(file, "s", "k", std::nullopt);
    }
}

// Ten-megabyte lines: a reader or writer that grows worse than linearly
// never finishes this within the suite's limit.
TEST(ProfileText, TenMegabyteLines) {
    std::string value(10 * 1024 * 1024, 'x');
    std::string file = "[s]\r\nk=" + value + "\r\n[t]\r\nj=" + std::string(10 * 1024 * 1024, '[');
    EXPECT_EQ(read_value(file, "s", "k"), value);
    EXPECT_EQ(read_value(file, "t", "j"), std::string(10 * 1024 * 1024, '['));
    std::string written = write_value(file, "t", "j", "short");
    EXPECT_EQ(written, "[s]\r\nk=" + value + "\r\n[t]\r\nj=short");
}

}  // namespace
}  // namespace kistvar::profile_text
