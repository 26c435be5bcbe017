// SPDX-License-Identifier: MIT
#include "expressionevaluator.h"
#include "gbkcodec.h"
#include "numbertext.h"
#include "testnames.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

using namespace korvane;
using namespace korvane::NumberText;

namespace {

struct TextCase {
    const char* text; // UTF-8, converted to GBK for the call
    double number;
};
void PrintTo(const TextCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class TextToNumber : public testing::TestWithParam<TextCase> {};

TEST_P(TextToNumber, ReadsLeadingNumberAfterFolding) {
    EXPECT_EQ(textToNumber(utf8ToGbk(GetParam().text)), GetParam().number);
}

const TextCase kTextCases[] = {
    {"", 0},
    {"abc", 0},
    {"--5", 0},
    {"0x10", 0},
    {"12abc", 12},
    {"   3.5", 3.5},
    {"\t3.5", 3.5},
    {"３*６", 3},
    {"3*6", 3},
    {"１２．５", 12.5},
    {"－７", -7},
    {"\u300012", 12},
    {".5", 0.5},
    {"5.", 5},
    {"1,234", 1},
    {"1.2.3", 1.2},
    {"1e3", 1000},
    {"1d3", 1000},
    {"1E3", 1000},
    {"1D-3", 0.001},
    {"1e", 1},
    {"1e+", 1},
    {"+4", 4},
    {"-.5", -0.5},
    {"．", 0},
    {"★5", 0},
    {"～3", 0},
    {"1e-400", 0},
    {"0.000e999999999999999999", 0},
};
INSTANTIATE_TEST_SUITE_P(Table, TextToNumber, testing::ValuesIn(kTextCases),
                         [](const auto& info) { return rowName(info.param.text, info.index); });

TEST(TextToNumberEdges, LoneLeadByteEndsText) {
    EXPECT_EQ(textToNumber("12\xA3"), 12);
    EXPECT_EQ(textToNumber(std::string("\xA3\xB1") + "\xA3\xB2"), 12); // １２
}

TEST(TextToNumberEdges, BeyondDoubleRangeIsInfinite) {
    EXPECT_EQ(textToNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(textToNumber("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(textToNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(textToNumber("1e99999999999999999999999999"),
              std::numeric_limits<double>::infinity());
}

struct DefaultCase {
    double value;
    const char* text;
};
void PrintTo(const DefaultCase& c, std::ostream* os) {
    *os << c.text;
}

class DefaultText : public testing::TestWithParam<DefaultCase> {};

TEST_P(DefaultText, ThirteenDigitsThreeDigitExponent) {
    EXPECT_EQ(defaultNumberText(GetParam().value), GetParam().text);
}

const DefaultCase kDefaultCases[] = {
    {0.1 + 0.2, "0.3"},
    {1.0 / 3, "0.3333333333333"},
    {2.0 / 3, "0.6666666666667"},
    {100, "100"},
    {-2.5, "-2.5"},
    {1234567, "1234567"},
    {1234567890123, "1234567890123"},
    {12345678901234, "1.234567890123e+013"},
    {9999999999999.6, "1e+013"},
    {1e20, "1e+020"},
    {0.0001, "0.0001"},
    {0.00001, "1e-005"},
    {-0.0, "0"},
    {1e-300, "1e-300"},
    {123456789012.35, "123456789012.4"},
    {-0.000123, "-0.000123"},
};
INSTANTIATE_TEST_SUITE_P(Table, DefaultText, testing::ValuesIn(kDefaultCases),
                         [](const auto& info) { return rowName(info.param.text, info.index); });

TEST(DefaultTextForms, IntegerAndSinglePrecision) {
    EXPECT_EQ(defaultNumberText(std::int32_t{-2147483647 - 1}), "-2147483648");
    EXPECT_EQ(defaultNumberText(std::int32_t{42}), "42");
    EXPECT_EQ(defaultNumberText(0.1f), "0.1");
    EXPECT_EQ(defaultNumberText(1234567.0f), "1.23457e+006");
    EXPECT_EQ(defaultNumberText(6.782f), "6.782");
}

TEST(DefaultTextForms, NonFiniteReadsOverflow) {
    const std::string overflow = utf8ToGbk("溢出");
    EXPECT_EQ(defaultNumberText(std::numeric_limits<double>::infinity()), overflow);
    EXPECT_EQ(defaultNumberText(-std::numeric_limits<double>::infinity()), overflow);
    EXPECT_EQ(defaultNumberText(std::nan("")), overflow);
    EXPECT_EQ(fixedDecimalsText(std::numeric_limits<double>::infinity(), 2), overflow);
}

struct FixedCase {
    double value;
    int decimals;
    const char* text;
};
void PrintTo(const FixedCase& c, std::ostream* os) {
    *os << c.text;
}

class FixedText : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedText, RoundsHalfAwayAndPads) {
    EXPECT_EQ(fixedDecimalsText(GetParam().value, GetParam().decimals), GetParam().text);
}

const FixedCase kFixedCases[] = {
    {0.5, 0, "1"},          {-0.5, 0, "-1"},         {2.5, 0, "3"},
    {1.005, 2, "1.01"},     {2.675, 2, "2.68"},      {0.125, 2, "0.13"},
    {8.125, 2, "8.13"},     {-1.005, 2, "-1.01"},    {1.45, 1, "1.5"},
    {0.045, 1, "0.0"},      {0.0049999, 2, "0.00"},  {256.025, 2, "256.02"},
    {255.025, 2, "255.03"}, {-0.001, 2, "0.00"},     {0, 2, "0.00"},
    {-0.0, 3, "0.000"},     {1, 2, "1.00"},          {12.3, 3, "12.300"},
    {78.5, 2, "78.50"},     {99.995, 2, "100.00"},   {123456789012.345, 2, "123456789012.40"},
    {1e13, 2, "1e+013"},    {-3.14159, 3, "-3.142"},
};
INSTANTIATE_TEST_SUITE_P(Table, FixedText, testing::ValuesIn(kFixedCases),
                         [](const auto& info) { return rowName(info.param.text, info.index); });

// Below 1e13 a text in exponent form is padded like any other, behind the
// exponent; from 1e13 on it stays unpadded.
const FixedCase kExponentFormCases[] = {
    {9999999999999.5, 1, "1e+013.0"},
    {-9999999999999.5, 1, "-1e+013.0"},
    {9999999999999.4, 1, "9999999999999.0"},
    {12345678901234.5, 1, "1.234567890123e+013"},
    // Scaled by the decimals, these values leave the double range; they are
    // still finite and no overflow.
    {3.3e305, 3, "3.3e+305"},
    {-1.7976931348623157e308, 2, "-1.797693134862e+308"},
    {0.00001, 5, "1e-005.00000"},
    {0.00004, 5, "4e-005.00000"},
    {0.000095, 5, "0.00010"},
};
INSTANTIATE_TEST_SUITE_P(ExponentForm, FixedText, testing::ValuesIn(kExponentFormCases),
                         [](const auto& info) { return rowName(info.param.text, info.index); });

TEST(DateText, NoLeadingZeros) {
    EXPECT_EQ(gbkToUtf8(dateText(2019, 12, 19)), "2019年12月19日");
    EXPECT_EQ(gbkToUtf8(dateText(2020, 3, 5)), "2020年3月5日");
}

TEST(BytesToText, StopsAtFirstZeroByte) {
    EXPECT_EQ(bytesToText(std::string_view("ab\0cd", 5)), "ab");
    EXPECT_EQ(bytesToText("abcd"), "abcd");
    EXPECT_EQ(bytesToText(std::string_view("\0x", 2)), "");
}

// A C locale with a decimal comma for as long as this lives; the one before
// is put back afterwards. None may be installed (Debian has only C and
// C.UTF-8 by default; Windows always has German).
class DecimalCommaLocale {
  public:
    DecimalCommaLocale() : saved_(std::setlocale(LC_ALL, nullptr)) {
        for (const char* name : {"de_DE.UTF-8", "de_DE", "German_Germany.1252", "German"})
            if (std::setlocale(LC_ALL, name) != nullptr)
                return;
        saved_.clear();
    }
    ~DecimalCommaLocale() {
        if (!saved_.empty())
            std::setlocale(LC_ALL, saved_.c_str());
    }
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;
    bool active() const { return !saved_.empty(); }

  private:
    std::string saved_;
};

// Numbers are read and written with a decimal point whatever the C locale:
// the program's files and the numbers it shows must not change with the
// user's regional settings.
TEST(NumberTextLocale, DecimalCommaLocaleChangesNothing) {
    const DecimalCommaLocale locale;
    if (!locale.active())
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    ASSERT_EQ(std::localeconv()->decimal_point, std::string(","));
    EXPECT_EQ(textToNumber("3.5"), 3.5);
    EXPECT_EQ(textToNumber("3,5"), 3);
    EXPECT_EQ(defaultNumberText(1234.5), "1234.5");
    EXPECT_EQ(fixedDecimalsText(2.5, 2), "2.50");
    EXPECT_EQ(fixedDecimalsText(0.00001, 5), "1e-005.00000");
    EXPECT_EQ(ExpressionEvaluator().evaluate("1.5*3"), "4.5");
    EXPECT_EQ(ExpressionEvaluator().evaluate("10/3"), "3.33333333333333");
}

} // namespace
