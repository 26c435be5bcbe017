// SPDX-License-Identifier: MIT
#include "weighbridge.h"

#include <gtest/gtest.h>

using korvane::computeWeighbridge;

namespace {

TEST(Weighbridge, AllowanceAndSettle) {
    struct Case {
        const char *outbound, *received, *allowance, *settle;
    };
    const Case cases[] = {
        {"30", "29.95", "0.090", "-0.040"}, {"30", "29.8", "0.090", "0.110"},
        {"100", "99.7", "0.300", "0.000"},  {"12.5", "12.4", "0.038", "0.063"},
        {"", "", "0.000", "0.000"},         {"0", "5", "0.000", "-5.000"},
        {"abc", "1t", "0.000", "-1.000"},   {"-10", "", "-0.030", "-9.970"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.outbound) + " / " + c.received);
        auto result = computeWeighbridge(c.outbound, c.received);
        EXPECT_EQ(result.allowance, c.allowance);
        EXPECT_EQ(result.settle, c.settle);
    }
}

} // namespace
