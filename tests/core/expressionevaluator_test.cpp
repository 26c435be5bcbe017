// SPDX-License-Identifier: MIT
#include "expressionevaluator.h"
#include "testnames.h"

#include <chrono>
#include <gtest/gtest.h>

using korvane::ExpressionEvaluator;

namespace {

struct EvalCase {
    std::string text;
    std::string result;
};
void PrintTo(const EvalCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class Evaluate : public testing::TestWithParam<EvalCase> {};

TEST_P(Evaluate, GivesNumberTextOrEmpty) {
    EXPECT_EQ(ExpressionEvaluator().evaluate(GetParam().text), GetParam().result);
}

const EvalCase kCases[] = {
    // what the help text promises
    {"3*6", "18"},
    {"6000", "6000"},
    {"2.50", "2.5"},
    {"1500*4+200", "6200"},
    {"(2+3)*1000", "5000"},
    {"10/4", "2.5"},
    {"10/3", "3.33333333333333"},
    {".5", "0.5"},
    {" 3 * 6 ", "18"},
    {"-3+1", "-2"},
    {"+4", "4"},
    {"-(2-5)", "3"},
    {"2*-3", "-6"},
    {"0.1+0.2", "0.3"},
    {"5.", "5"},
    {"007", "7"},
    {"1e3", "1000"},
    {"2.5e-1", "0.25"},
    {"-0*5", "0"},
    {"123456789012345", "123456789012345"},
    // exponent form with a capital E and at least two exponent digits
    {"1e15", "1E+15"},
    {"1000000000000000", "1E+15"},
    {"0.00001", "1E-05"},
    {"1/20000", "5E-05"},
    {"-1/20000", "-5E-05"},
    {"123456789012345678", "1.23456789012346E+17"},
    {"1e100", "1E+100"},
    {"1e-300", "1E-300"},
    // numbers beyond the double range are infinite, below it 0
    {"1/" + std::string(309, '9'), "0"},
    {"1/1e999", "0"},
    {"-1/1e999", "0"},
    {"1e-400", "0"},
    {"1e-400+2", "2"},
    {"2e-324", "0"},
    {"0." + std::string(400, '0') + "1*3", "0"},
    {"1e-99999999999999999999*7", "0"},
    // what cannot be evaluated
    {"", ""},
    {"   ", ""},
    {"3*", ""},
    {"abc", ""},
    {"3*6=18", ""},
    {"(3", ""},
    {"3)", ""},
    {"()", ""},
    {"3 6", ""},
    {"1e", ""},
    {".", ""},
    {"1/0", ""},
    {"0/0", ""},
    {"1e308*10", ""},
    {"1e999", ""},
    {std::string(309, '9'), ""},
    {"1e999*0", ""},
    {"1e999-1e999", ""},
    {"３*６", ""},
    {"3,5", ""},
};
INSTANTIATE_TEST_SUITE_P(Table, Evaluate, testing::ValuesIn(kCases),
                         [](const auto& info) { return rowName(info.param.text, info.index); });

// Hostile texts must return quickly and without exhausting the stack.
TEST(EvaluateHostile, HugeAndDeepTextsReturn) {
    const ExpressionEvaluator evaluator;
    const size_t n = 100000;
    auto start = std::chrono::steady_clock::now();

    EXPECT_EQ(evaluator.evaluate(std::string(n, '(') + "1" + std::string(n, ')')), "");
    EXPECT_EQ(evaluator.evaluate(std::string(n, '(')), "");
    EXPECT_EQ(evaluator.evaluate(std::string(1 << 20, '-') + "2"), "2");
    EXPECT_EQ(evaluator.evaluate(std::string(1 << 20, '9')), "");

    std::string sum = "1";
    while (sum.size() < (1 << 20))
        sum += "+1";
    EXPECT_EQ(evaluator.evaluate(sum), std::to_string(sum.size() / 2 + 1));

    std::string nested;
    for (int i = 0; i < ExpressionEvaluator::kMaxNesting; ++i)
        nested += "(";
    nested += "7";
    nested += std::string(ExpressionEvaluator::kMaxNesting, ')');
    EXPECT_EQ(evaluator.evaluate(nested), "7");
    EXPECT_EQ(evaluator.evaluate("(" + nested + ")"), "");

    // Generous bound: this only catches quadratic behaviour, not speed.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

} // namespace
