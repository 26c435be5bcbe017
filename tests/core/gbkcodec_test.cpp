// SPDX-License-Identifier: MIT
#include "gbkcodec.h"
#include "testnames.h"

#include <gtest/gtest.h>

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
