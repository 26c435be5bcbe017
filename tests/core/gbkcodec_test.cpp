// SPDX-License-Identifier: MIT
#include "gbkcodec.h"

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
}

} // namespace
