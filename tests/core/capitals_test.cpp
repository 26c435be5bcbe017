// SPDX-License-Identifier: MIT
#include "capitals.h"
#include "gbkcodec.h"
#include "testnames.h"

#include <gtest/gtest.h>
#include <iomanip>
#include <limits>
#include <sstream>

using namespace korvane;

namespace {

struct CapitalsCase {
    double amount;
    const char* text; // UTF-8
};
void PrintTo(const CapitalsCase& c, std::ostream* os) {
    *os << c.text;
}

class AmountInCapitals : public testing::TestWithParam<CapitalsCase> {};

TEST_P(AmountInCapitals, Table) {
    EXPECT_EQ(gbkToUtf8(amountInCapitals(GetParam().amount)), GetParam().text);
}

const CapitalsCase kCases[] = {
    {0, "零"},
    {0.004, "零"},
    {0.005, "壹分"},
    {0.1, "壹角整"},
    {0.55, "伍角伍分"},
    {1, "壹元整"},
    {1.01, "壹元零壹分"},
    {1.5, "壹元伍角整"},
    {10.5, "壹拾元零伍角整"},
    {100.5, "壹佰元零伍角整"},
    {1001, "壹仟零壹元整"},
    {10001, "壹万零壹元整"},
    {100000, "壹拾万元整"},
    {120000, "壹拾贰万元整"},
    {10010000, "壹仟零壹万元整"},
    {100000001, "壹亿零壹元整"},
    {100010000, "壹亿零壹万元整"},
    {1000000000, "壹拾亿元整"},
    {1000000000000, "壹万亿元整"},
    {1234567.89, "壹佰贰拾叁万肆仟伍佰陆拾柒元捌角玖分"},
    {2.675, "贰元陆角捌分"},
    {9999999999999.99, "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
    {10000000000000, "溢出"},
    {-12.34, "负壹拾贰元叁角肆分"},
    {-0.004, "零"},
    {std::numeric_limits<double>::infinity(), "溢出"},
    {-1e300, "溢出"},
    {std::numeric_limits<double>::quiet_NaN(), "溢出"},
};
INSTANTIATE_TEST_SUITE_P(Table, AmountInCapitals, testing::ValuesIn(kCases), [](const auto& info) {
    std::ostringstream amount;
    amount << std::setprecision(15) << info.param.amount;
    return rowName(amount.str(), info.index);
});

} // namespace
