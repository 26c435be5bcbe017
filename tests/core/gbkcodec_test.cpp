// SPDX-License-Identifier: MIT
#include "gbkcodec.h"
#include "gbkprivateuse.h"
#include "testnames.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

using namespace korvane;

namespace {

TEST(GbkCodec, KnownCharacters) {
    EXPECT_EQ(utf8ToGbk("φ"), "\xA6\xD5");
    EXPECT_EQ(utf8ToGbk("㎡"), "\xA9\x4F");
    EXPECT_EQ(utf8ToGbk("１"), "\xA3\xB1");
    EXPECT_EQ(utf8ToGbk("\u3000"), "\xA1\xA1");
    EXPECT_EQ(utf8ToGbk("★"), "\xA1\xEF");
    EXPECT_EQ(utf8ToGbk("×"), "\xA1\xC1");
    EXPECT_EQ(utf8ToGbk("∠"), "\xA1\xCF");
    EXPECT_EQ(utf8ToGbk("钢板"), "\xB8\xD6\xB0\xE5");
    EXPECT_EQ(gbkToUtf8("\xB8\xD6\xB0\xE5 abc"), "钢板 abc");
}

TEST(GbkCodec, RoundTrip) {
    const std::string text = "Korvane2019版-免费版 ∠20*3 φ17*2.25 1.2寸 轻轨5kg/m ±磅差 3‰";
    EXPECT_EQ(gbkToUtf8(utf8ToGbk(text)), text);
    std::string big;
    for (int i = 0; i < 2000; ++i)
        big += "材料汇总单";
    EXPECT_EQ(gbkToUtf8(utf8ToGbk(big)), big);
}

TEST(GbkCodec, InvalidGbkBecomesReplacementAndGoesOn) {
    // a lead byte followed by a byte that cannot trail it keeps that byte
    EXPECT_EQ(gbkToUtf8("a\x81 b"), "a\uFFFD b");
    EXPECT_EQ(gbkToUtf8("\x81"
                        "b"),
              "乥"); // 0x40..0x7E are valid trail bytes
    // a lone lead byte at the end
    EXPECT_EQ(gbkToUtf8("ab\xB8"), "ab\uFFFD");
    // 0xFF never starts a character
    EXPECT_EQ(gbkToUtf8("\xFF\xB8\xD6"), "\uFFFD钢");
}

TEST(GbkCodec, UnmappableUtf8BecomesQuestionMark) {
    EXPECT_EQ(utf8ToGbk("a•b"), "a?b");  // U+2022 has no GBK form
    EXPECT_EQ(utf8ToGbk("a\xC3"), "a?"); // cut-off sequence
    EXPECT_EQ(utf8ToGbk("\xFF"
                        "钢"),
              "?\xB8\xD6");
    EXPECT_EQ(utf8ToGbk("😀x"), "?x");
    // Tag characters (U+E0000 to U+E007F), which iconv would drop.
    EXPECT_EQ(utf8ToGbk("\xF3\xA0\x80\x80"), "?");
    EXPECT_EQ(utf8ToGbk("a\xF3\xA0\x81\xBF"
                        "钢\xF3\xA0\x80\x81"),
              "a?\xB8\xD6?");
    EXPECT_EQ(utf8ToGbk("\xF3\xA0\x82\x80"), "?"); // U+E0080 is no tag
}

// Where the system code pages differ from one another and from glibc's GBK,
// every build gives these: the euro byte, the two marks that GB2312-based
// tables give other characters, and code page 936's private use characters
// for the user-defined areas and the unassigned symbol codes, which glibc
// rejects. Lists read and written on Windows and on Linux must come out the
// same, and come back byte for byte.
struct CodePageCase {
    const char* name; // the GBK code
    const char* gbk;
    const char* utf8;
};
void PrintTo(const CodePageCase& c, std::ostream* os) {
    *os << '"' << c.utf8 << '"';
}

class CodePageCharacter : public testing::TestWithParam<CodePageCase> {};

TEST_P(CodePageCharacter, ConvertsBothWays) {
    EXPECT_EQ(gbkToUtf8(GetParam().gbk), GetParam().utf8);
    EXPECT_EQ(utf8ToGbk(GetParam().utf8), GetParam().gbk);
}

const CodePageCase kCodePageCases[] = {
    {"80", "\x80", "€"},
    {"A1A4", "\xA1\xA4", "\u00B7"}, // middle dot, not U+30FB
    {"A1AA", "\xA1\xAA", "\u2014"}, // em dash
    {"A844", "\xA8\x44", "\u2015"}, // horizontal bar
    {"A1E9_A1EA", "\xA1\xE9\xA1\xEA", "￠￡"},
};
INSTANTIATE_TEST_SUITE_P(Table, CodePageCharacter, testing::ValuesIn(kCodePageCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The first and last code of each kind of private use run.
const CodePageCase kPrivateUseCases[] = {
    {"AAA1", "\xAA\xA1", "\uE000"},                                 // user-defined AAA1..AFFE
    {"AFFE", "\xAF\xFE", "\uE233"}, {"F8A1", "\xF8\xA1", "\uE234"}, // user-defined F8A1..FEFE
    {"FEFE", "\xFE\xFE", "\uE4C5"}, {"A140", "\xA1\x40", "\uE4C6"}, // user-defined A140..A7A0
    {"A180", "\xA1\x80", "\uE505"}, // after the trail byte 0x7F that is none
    {"A7A0", "\xA7\xA0", "\uE765"}, {"A2AB", "\xA2\xAB", "\uE766"}, // unassigned among the symbols
    {"A6D9", "\xA6\xD9", "\uE78D"},                                 // vertical forms in GB18030
    {"FE50", "\xFE\x50", "\uE815"},                                 // radicals in GB18030
    {"FEA0", "\xFE\xA0", "\uE864"},
};
INSTANTIATE_TEST_SUITE_P(PrivateUse, CodePageCharacter, testing::ValuesIn(kPrivateUseCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Beyond code page 936's private use characters, the area has no GBK form.
TEST(GbkCodec, OtherPrivateUseCharactersHaveNoGbkForm) {
    EXPECT_EQ(utf8ToGbk("a\uE865b\uF8F5c"), "a?b?c");
}

// A user-made character among other text, on the iconv build's slow path.
TEST(GbkCodec, PrivateUseCharactersAmidText) {
    const std::string gbk = "\xB8\xD6\xAA\xA1\xAA\xA1x\xFE\xFE\xB0\xE5";
    EXPECT_EQ(gbkToUtf8(gbk), "钢\uE000\uE000x\uE4C5板");
    EXPECT_EQ(utf8ToGbk(gbkToUtf8(gbk)), gbk);
}

TEST(GbkCodec, UnmarkedMiddleDotHasNoGbkForm) {
    EXPECT_EQ(utf8ToGbk("\u30FB"), "?"); // katakana middle dot
}

// Every two-byte code is a character that converts back to the same bytes:
// glibc's 21,791 and code page 936's 2,149 private use ones (U+E000..U+E864).
TEST(GbkCodec, EveryTwoByteCodeRoundTripsOrIsReplaced) {
    int characters = 0, privateUse = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const std::string gbk = {static_cast<char>(lead), static_cast<char>(trail)};
            const std::string utf8 = gbkToUtf8(gbk);
            if (utf8 == "\uFFFD")
                continue;
            ++characters;
            privateUse += utf8 >= "\uE000" && utf8 <= "\uE864";
            EXPECT_EQ(utf8ToGbk(utf8), gbk) << std::hex << lead << trail;
        }
    }
    EXPECT_EQ(characters, 126 * 190);
    EXPECT_EQ(privateUse, 0xE864 - 0xE000 + 1);
}

#ifdef _WIN32
// Both builds take the private use characters from the program's table; on
// Windows the system's code page 936 gives the same, code for code.
TEST(GbkCodec, PrivateUseTableIsThatOfTheSystemCodePage) {
    int privateUse = 0;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const char bytes[] = {static_cast<char>(lead), static_cast<char>(trail)};
            wchar_t wide[2] = {};
            const int n = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes, 2, wide, 2);
            const bool system = n == 1 && wide[0] >= 0xE000 && wide[0] <= 0xF8FF;
            const char16_t ours = gbkprivateuse::character((lead << 8) | trail);
            EXPECT_EQ(ours, system ? static_cast<char16_t>(wide[0]) : u'\0')
                << std::hex << lead << trail;
            privateUse += system;
        }
    }
    EXPECT_EQ(privateUse, 0xE864 - 0xE000 + 1);
}
#endif

// UTF-8 that only looks like a character: each malformed piece becomes "?",
// never the character it would spell.
TEST(GbkCodec, MalformedUtf8IsNoCharacter) {
    EXPECT_EQ(utf8ToGbk("\xF0\x89\x92\xA2"), "?"); // 钢 in four bytes
    EXPECT_EQ(utf8ToGbk("\xE0\x81\x81"), "?");     // "A" in three bytes
    EXPECT_EQ(utf8ToGbk("\xC1\x81"), "??");        // "A" in two bytes
    EXPECT_EQ(utf8ToGbk("\xED\xA0\x80"), "?");     // a lone surrogate
    EXPECT_EQ(utf8ToGbk("\xF4\x90\x80\x80"), "?"); // past U+10FFFF
    EXPECT_EQ(utf8ToGbk("\xE9\x92"
                        "A"),
              "??A");                          // 钢 cut short
    EXPECT_EQ(utf8ToGbk("\xEF\xBF\xBD"), "?"); // U+FFFD itself
}

// Long texts go through the converter piece by piece, so every kind of
// replacement must also come out right when it falls on a piece boundary and
// after many others: each row's input is repeated, after one byte that shifts
// the alignment, and must convert to its output repeated as often.
struct RepeatCase {
    const char* input;
    const char* output;
    std::string (*convert)(std::string_view);
};
void PrintTo(const RepeatCase& c, std::ostream* os) {
    *os << '"' << c.input << '"';
}

class LongText : public testing::TestWithParam<RepeatCase> {};

TEST_P(LongText, ConvertsLikeItsPiecesOneAfterAnother) {
    const RepeatCase& c = GetParam();
    std::string input = "x", expected = "x";
    for (int i = 0; i < 3000; ++i) {
        input += c.input;
        expected += c.output;
    }
    EXPECT_EQ(c.convert(c.input), c.output);
    EXPECT_EQ(c.convert(input), expected);
}

const RepeatCase kRepeatCases[] = {
    {"钢板 ", "\xB8\xD6\xB0\xE5 ", utf8ToGbk},
    {"a钢😀", "a\xB8\xD6?", utf8ToGbk},
    {"😀😀x", "??x", utf8ToGbk},
    {"•", "?", utf8ToGbk},
    {"\xFF钢", "?\xB8\xD6", utf8ToGbk},
    {"\xE9\x92", "??", utf8ToGbk},        // 钢 without its last byte
    {"\xF3\xA0\x80\x80", "?", utf8ToGbk}, // U+E0000, a tag character
    {"\xB8\xD6 ", "钢 ", gbkToUtf8},
    {"a\xB8\xD6\xFF", "a钢\uFFFD", gbkToUtf8},
    {"\x81 ", "\uFFFD ", gbkToUtf8},
};
INSTANTIATE_TEST_SUITE_P(Table, LongText, testing::ValuesIn(kRepeatCases),
                         [](const auto& info) { return rowName(info.param.input, info.index); });

} // namespace
