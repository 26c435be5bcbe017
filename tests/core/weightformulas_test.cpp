// SPDX-License-Identifier: MIT
#include "weightformulas.h"

#include <gtest/gtest.h>

using namespace korvane;

namespace {

TEST(Plate, UnitWeightAreaWeight) {
    struct Case {
        const char *thickness, *length, *width, *count, *unit, *area, *weight;
    };
    const Case cases[] = {
        {"10", "12", "2.2", "1", "78.50", "26.40", "2072.40"},
        // the weight multiplies the rounded unit weight: 5.89 × 10, not 5.8875 × 10
        {"0.75", "10", "1", "1", "5.89", "10.00", "58.90"},
        {"", "", "", "", "0.00", "0.00", "0.00"},
        {"10", "3*6", "1", "1", "78.50", "3.00", "235.50"},
        {"-2", "1", "1", "1", "-15.70", "1.00", "-15.70"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.thickness) + " " + c.length + " " + c.width + " " + c.count);
        PlateResult r = computePlate(c.thickness, c.length, c.width, c.count);
        EXPECT_EQ(r.unitWeight, c.unit);
        EXPECT_EQ(r.area, c.area);
        EXPECT_EQ(r.weight, c.weight);
    }
}

// Each row: the operation applied to its inputs, and the G and weight texts.
struct SectionCase {
    const char* name;
    SectionResult (*compute)(const std::vector<std::string>&);
    std::vector<std::string> inputs;
    const char* g;
    const char* weight;
};
void PrintTo(const SectionCase& c, std::ostream* os) {
    *os << c.name;
}

SectionResult roundBar(const std::vector<std::string>& in) {
    return computeRoundBar(in[0], in[1]);
}
SectionResult flatBar(const std::vector<std::string>& in) {
    return computeFlatBar(in[0], in[1], in[2]);
}
SectionResult roundTube(const std::vector<std::string>& in) {
    return computeRoundTube(in[0], in[1], in[2]);
}
SectionResult rectTube(const std::vector<std::string>& in) {
    return computeRectTube(in[0], in[1], in[2], in[3]);
}
SectionResult hBeam(const std::vector<std::string>& in) {
    return computeHBeamFormula(in[0], in[1], in[2], in[3], in[4]);
}

class SectionFormula : public testing::TestWithParam<SectionCase> {};

TEST_P(SectionFormula, GAndWeight) {
    const SectionCase& c = GetParam();
    SectionResult r = c.compute(c.inputs);
    EXPECT_EQ(r.g, c.g);
    EXPECT_EQ(r.weight, c.weight);
}

const SectionCase kSectionCases[] = {
    {"RoundBar_d20_l6", roundBar, {"20", "6"}, "2.468", "14.81"},
    {"RoundBar_usesRoundedG", roundBar, {"12", "100"}, "0.888", "88.80"},
    {"RoundBar_empty", roundBar, {"", ""}, "0.000", "0.00"},
    {"FlatBar_50x5_l6", flatBar, {"50", "5", "6"}, "1.963", "11.78"},
    {"FlatBar_empty", flatBar, {"", "", ""}, "0.000", "0.00"},
    {"RoundTube_89x4_l6", roundTube, {"89", "4", "6"}, "8.384", "50.30"},
    {"RoundTube_wallEqualsDiameter", roundTube, {"10", "10", "6"}, "0.000", "0.00"},
    {"RoundTube_wallBeyondDiameter", roundTube, {"10", "12", "1"}, "-0.592", "-0.59"},
    {"RoundTube_empty", roundTube, {"", "", ""}, "0.000", "0.00"},
    {"RectTube_100x50x3_l6", rectTube, {"100", "50", "3", "6"}, "6.782", "40.69"},
    {"RectTube_40x20x1_2", rectTube, {"40", "20", "1.2", "1"}, "1.085", "1.09"},
    {"RectTube_empty", rectTube, {"", "", "", ""}, "0.000", "0.00"},
    {"HBeam_200x100_l12", hBeam, {"200", "100", "5.5", "8", "12"}, "20.504", "246.05"},
    {"HBeam_empty", hBeam, {"", "", "", "", ""}, "0.000", "0.00"},
    {"HBeam_lengthExpression", hBeam, {"200", "100", "5.5", "8", "3*6"}, "20.504", "61.51"},
};
INSTANTIATE_TEST_SUITE_P(Table, SectionFormula, testing::ValuesIn(kSectionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TableWeight, MultipliesStoredGByLength) {
    EXPECT_EQ(computeTableWeight("27.929", "18"), "502.72");
    EXPECT_EQ(computeTableWeight("10.007", "6"), "60.04");
    EXPECT_EQ(computeTableWeight("22.6", "12"), "271.20");
    EXPECT_EQ(computeTableWeight("", ""), "0.00");
    EXPECT_EQ(computeTableWeight("27.929", "3*6"), "83.79");
}

} // namespace
