#include "platform/gb18030.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace kistvar {
namespace {

using namespace std::string_literals;

std::string utf8_of(char32_t code_point) {
    std::string out;
    if (code_point < 0x80) {
        out += char(code_point);
    } else if (code_point < 0x800) {
        out += char(0xC0 | (code_point >> 6));
        out += char(0x80 | (code_point & 0x3F));
    } else if (code_point < 0x10000) {
        out += char(0xE0 | (code_point >> 12));
        out += char(0x80 | ((code_point >> 6) & 0x3F));
        out += char(0x80 | (code_point & 0x3F));
    } else {
        out += char(0xF0 | (code_point >> 18));
        out += char(0x80 | ((code_point >> 12) & 0x3F));
        out += char(0x80 | ((code_point >> 6) & 0x3F));
        out += char(0x80 | (code_point & 0x3F));
    }
    return out;
}

// Whether the text is well-formed UTF-8 (the decoder must never produce anything else).
bool is_valid_utf8(const std::string& text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                                           : lead >= 0xF0 && lead <= 0xF4   ? 4 : 0;
        if (length == 0 || at + length > text.size()) return false;
        for (std::size_t i = 1; i < length; ++i)
            if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return false;
        at += length;
    }
    return true;
}

struct KnownCode {
    std::string utf8;
    std::string gb18030;
};

// Byte sequences as glibc iconv "GB18030" writes them.
TEST(Gb18030, KnownTextsHaveTheirExactBytesBothWays) {
    const KnownCode known[] = {
        {"路径", "\xC2\xB7\xBE\xB6"},
        {"存档", "\xB4\xE6\xB5\xB5"},
        {"说明.txt", "\xCB\xB5\xC3\xF7.txt"},
        {"别的箱子", "\xB1\xF0\xB5\xC4\xCF\xE4\xD7\xD3"},
        {"Привет", "\xA7\xB1\xA7\xE2\xA7\xDA\xA7\xD3\xA7\xD6\xA7\xE4"},
        {"ü¤", "\xA8\xB9\xA1\xE8"},
        {"한국", "\x83\x36\x84\x33\x82\x37\xF4\x30"},
        {"😀", "\x94\x39\xFC\x36"},
        {"C:\\box\\MYBOX\\x.bin", "C:\\box\\MYBOX\\x.bin"},
    };
    for (const KnownCode& code : known) {
        EXPECT_EQ(gb18030::from_utf8(code.utf8), code.gb18030) << code.utf8;
        EXPECT_EQ(gb18030::to_utf8(code.gb18030), code.utf8) << code.utf8;
    }
}

TEST(Gb18030, EdgesOfTheFourByteAreas) {
    EXPECT_EQ(gb18030::from_utf8(utf8_of(0x80)), "\x81\x30\x81\x30");
    EXPECT_EQ(gb18030::from_utf8(utf8_of(0xFFFF)), "\x84\x31\xA4\x39");
    EXPECT_EQ(gb18030::from_utf8(utf8_of(0x10000)), "\x90\x30\x81\x30");
    EXPECT_EQ(gb18030::from_utf8(utf8_of(0x10FFFF)), "\xE3\x32\x9A\x35");
    EXPECT_EQ(gb18030::to_utf8("\xE3\x32\x9A\x35"), utf8_of(0x10FFFF));
}

TEST(Gb18030, EuroIsWrittenAsTheGbkByteAndReadInBothForms) {
    EXPECT_EQ(gb18030::from_utf8("€5"), "\x80" "5");
    EXPECT_EQ(gb18030::to_utf8("\x80" "5"), "€5");
    EXPECT_EQ(gb18030::to_utf8("\xA2\xE3"), "€");
}

// GBK programs wrote these codes for private-use characters; they must read back as such.
TEST(Gb18030, GbkPrivateUseCodesReadAsGbkDoes) {
    EXPECT_EQ(gb18030::to_utf8("\xFE\x51"), utf8_of(0xE816));
    EXPECT_EQ(gb18030::from_utf8(utf8_of(0xE816)), "\xFE\x51");
    EXPECT_EQ(gb18030::from_utf8(utf8_of(0x20087)), "\x95\x32\x90\x31");
    EXPECT_EQ(gb18030::to_utf8("\x95\x32\x90\x31"), utf8_of(0x20087));
}

TEST(Gb18030, EveryBmpCharacterAndSampledPlanesRoundTrip) {
    std::string all;
    for (char32_t c = 1; c < 0x10000; ++c)
        if (c < 0xD800 || c > 0xDFFF) all += utf8_of(c);
    for (char32_t c = 0x10000; c <= 0x10FFFF; c += 0x3FF) all += utf8_of(c);
    const std::string encoded = gb18030::from_utf8(all);
    EXPECT_EQ(encoded.find('?'), encoded.rfind('?')) << "only the question mark itself";
    EXPECT_EQ(gb18030::to_utf8(encoded), all);
}

TEST(Gb18030, EveryTwoByteCodeReadsAndIsWrittenBack) {
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const std::string code{char(lead), char(trail)};
            const std::string text = gb18030::to_utf8(code);
            ASSERT_NE(text, "\uFFFD") << std::hex << lead << ' ' << trail;
            const std::string expected = code == "\xA2\xE3" ? "\x80" : code;
            ASSERT_EQ(gb18030::from_utf8(text), expected) << std::hex << lead << ' ' << trail;
        }
    }
}

TEST(Gb18030, InvalidBytesReadAsReplacementWithoutSwallowingWhatFollows) {
    const std::string r = "\uFFFD";
    EXPECT_EQ(gb18030::to_utf8("\xFF" "a"), r + "a");
    EXPECT_EQ(gb18030::to_utf8("\x81"), r);                                // lead byte at the end
    EXPECT_EQ(gb18030::to_utf8("\x81 x"), r + " x");                       // no trail byte
    EXPECT_EQ(gb18030::to_utf8("\x81\x7F"), r + "\x7F");                   // 0x7F is never a trail
    EXPECT_EQ(gb18030::to_utf8("\x81\x30\x81"), r + "0" + r);              // four-byte code cut short
    EXPECT_EQ(gb18030::to_utf8("\x84\x31\xA5\x30"), r);                    // past the BMP area
    EXPECT_EQ(gb18030::to_utf8("\xE3\x32\x9A\x36"), r);                    // past U+10FFFF
    EXPECT_EQ(gb18030::to_utf8("\xFE\x39\xFE\x39"), r);
    EXPECT_EQ(gb18030::to_utf8(""s), "");
    EXPECT_EQ(gb18030::to_utf8("a\0b"s), "a\0b"s);
}

TEST(Gb18030, RandomBytesAlwaysGiveWellFormedText) {
    std::mt19937 random(20121023);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::string garbage(random() % 64, '\0');
        for (char& c : garbage) c = char(byte(random));
        const std::string text = gb18030::to_utf8(garbage);
        ASSERT_TRUE(is_valid_utf8(text));
        gb18030::from_utf8(garbage);  // invalid UTF-8 in, must not fail either
    }
}

TEST(Gb18030, InvalidUtf8IsWrittenAsQuestionMarks) {
    EXPECT_EQ(gb18030::from_utf8("a\x80" "b"), "a?b");              // stray continuation byte
    EXPECT_EQ(gb18030::from_utf8("\xC0\xAF"), "??");                // overlong slash
    EXPECT_EQ(gb18030::from_utf8("\xED\xA0\x80"), "???");           // surrogate
    EXPECT_EQ(gb18030::from_utf8("\xE8\xB7" "A"), "??A");           // cut short
    EXPECT_EQ(gb18030::from_utf8("\xF4\x90\x80\x80"), "????");      // beyond U+10FFFF
    EXPECT_EQ(gb18030::from_utf8("\xFF" "存"), "?\xB4\xE6");
}

// A whole settings file of 10 MB: a conversion that grows worse than
// linearly never finishes this within the suite's limit.
TEST(Gb18030, ConvertsTenMegabytes) {
    std::string text;
    while (text.size() < 10'000'000) text += "[Path]\r\nsave=C:\\存档\\Torchlight 2\\box 한국 €😀\r\n";
    const std::string encoded = gb18030::from_utf8(text);
    EXPECT_EQ(gb18030::to_utf8(encoded), text);
}

}  // namespace
}  // namespace kistvar
