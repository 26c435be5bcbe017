// SPDX-License-Identifier: MIT
#include "gbkcodec.h"
#include "sectiontable.h"
#include "weightformulas.h"

#include <gtest/gtest.h>
#include <map>

using namespace korvane;

namespace {

std::string cellUtf8(SectionKind kind, int row, int column) {
    return gbkToUtf8(sectionTable(kind)->cell(row, column));
}

TEST(SectionTables, RowCountsAndShape) {
    const std::map<SectionKind, int> rows = {
        {SectionKind::CheckeredPlate, 11}, {SectionKind::IBeam, 45},
        {SectionKind::EqualAngle, 82},     {SectionKind::UnequalAngle, 66},
        {SectionKind::Channel, 40},        {SectionKind::HBeamTable, 65},
        {SectionKind::WeldedPipe, 15},     {SectionKind::Rail, 24},
        {SectionKind::CChannel, 56}};
    for (SectionKind kind : kTableKinds) {
        const SectionTable* table = sectionTable(kind);
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->kind(), kind);
        EXPECT_EQ(table->rowCount(), rows.at(kind));
        // first column left, weight column centred and captioned 理论重量
        EXPECT_EQ(table->column(0).alignment, Alignment::Left);
        EXPECT_EQ(table->column(table->weightColumn()).alignment, Alignment::Center);
        EXPECT_EQ(gbkToUtf8(table->column(table->weightColumn()).caption), "理论重量");
        // every weight cell is a plain positive number
        for (int r = 0; r < table->rowCount(); ++r)
            EXPECT_GT(std::stod(table->weightText(r)), 0.0) << static_cast<int>(kind) << "/" << r;
    }
    for (SectionKind kind : {SectionKind::Plate, SectionKind::HBeamFormula, SectionKind::RectTube,
                             SectionKind::RoundTube, SectionKind::RoundBar, SectionKind::FlatBar,
                             SectionKind::Auxiliary})
        EXPECT_EQ(sectionTable(kind), nullptr);
}

TEST(SectionTables, ColumnsOfTheHBeamAndPipeTables) {
    const SectionTable& h = *sectionTable(SectionKind::HBeamTable);
    ASSERT_EQ(h.columnCount(), 3);
    EXPECT_EQ(gbkToUtf8(h.column(1).caption), "规格(h*b*t1*t2)");
    EXPECT_EQ(h.column(1).width, 120);
    EXPECT_EQ(h.column(2).width, 70);
    EXPECT_EQ(h.modelColumn(), 1);

    const SectionTable& pipe = *sectionTable(SectionKind::WeldedPipe);
    ASSERT_EQ(pipe.columnCount(), 4);
    EXPECT_EQ(gbkToUtf8(pipe.column(2).caption), "外径*壁厚");
    EXPECT_EQ(pipe.column(1).width, 54);
    EXPECT_EQ(pipe.weightColumn(), 3);
    EXPECT_EQ(sectionTable(SectionKind::CheckeredPlate)->column(1).alignment, Alignment::Center);
}

TEST(SectionTables, CellsAreStoredVerbatim) {
    const SectionTable& checkered = *sectionTable(SectionKind::CheckeredPlate);
    EXPECT_EQ(checkered.weightText(0), "22.6");
    EXPECT_EQ(checkered.modelText(0), "2.5");

    const SectionTable& h = *sectionTable(SectionKind::HBeamTable);
    EXPECT_EQ(h.cell(5, 0), "");
    EXPECT_EQ(h.modelText(5), "200*204*12*12");
    EXPECT_EQ(gbkToUtf8(h.cell(0, 0)), "HW100×100");
    EXPECT_EQ(h.cell(0, 0).substr(5, 2), "\xA1\xC1"); // × in GBK

    EXPECT_EQ(sectionTable(SectionKind::IBeam)->modelText(6), "I20a");
    EXPECT_EQ(sectionTable(SectionKind::IBeam)->weightText(6), "27.929");
    EXPECT_EQ(sectionTable(SectionKind::IBeam)->modelText(1), "I12*");
    EXPECT_EQ(cellUtf8(SectionKind::EqualAngle, 0, 0), "∠20*3");
    EXPECT_EQ(sectionTable(SectionKind::EqualAngle)->cell(0, 0).substr(0, 2), "\xA1\xCF");
    EXPECT_EQ(cellUtf8(SectionKind::UnequalAngle, 49, 1), "18.33");
    EXPECT_EQ(cellUtf8(SectionKind::Channel, 3, 0), "[10");
    EXPECT_EQ(cellUtf8(SectionKind::WeldedPipe, 6, 1), "1.2寸");
    EXPECT_EQ(cellUtf8(SectionKind::WeldedPipe, 3, 1), "4分");
    EXPECT_EQ(cellUtf8(SectionKind::WeldedPipe, 14, 2), "φ219.1*6.0");
    EXPECT_EQ(cellUtf8(SectionKind::Rail, 17, 0), "矿工钢9#");
    EXPECT_EQ(cellUtf8(SectionKind::CChannel, 21, 1), "5.02");
    EXPECT_EQ(sectionTable(SectionKind::IBeam)->cell(45, 0), "");
    EXPECT_EQ(sectionTable(SectionKind::IBeam)->cell(0, 3), "");
}

TEST(SectionTables, RepeatedRowsStay) {
    const SectionTable& unequal = *sectionTable(SectionKind::UnequalAngle);
    EXPECT_EQ(unequal.cell(9, 0), unequal.cell(10, 0));
    EXPECT_EQ(unequal.cell(9, 1), unequal.cell(10, 1));
    const SectionTable& c = *sectionTable(SectionKind::CChannel);
    EXPECT_EQ(c.cell(4, 0), c.cell(6, 0));
    EXPECT_EQ(c.cell(4, 1), "5.100");
    EXPECT_EQ(c.cell(6, 1), "5.103");
}

// Three cells that contradicted the tables' own arithmetic are corrected.
TEST(SectionTables, CorrectedCells) {
    const SectionTable& pipe = *sectionTable(SectionKind::WeldedPipe);
    EXPECT_EQ(pipe.modelText(2), "DN10");
    EXPECT_EQ(pipe.weightText(2), "0.82");
    EXPECT_EQ(computeRoundTube("17", "2.25", "1").g, "0.818");

    const SectionTable& channel = *sectionTable(SectionKind::Channel);
    EXPECT_EQ(channel.modelText(23), "[27b*");
    EXPECT_EQ(channel.cell(23, 1), "270*84*9.5");
    EXPECT_EQ(channel.weightText(23), "35.077");
    // a/b/c rows step by the same web increment
    const double a = std::stod(channel.weightText(22));
    const double b = std::stod(channel.weightText(23));
    const double c = std::stod(channel.weightText(24));
    EXPECT_NEAR(b - a, 270 * 2 * 0.00785, 0.001);
    EXPECT_NEAR(c - b, 270 * 2 * 0.00785, 0.001);

    EXPECT_EQ(sectionTable(SectionKind::HBeamTable)->modelText(20), "498*432*45*70");
    // the formula without root fillets lands within 1 % of the table weight
    EXPECT_NEAR(std::stod(computeHBeamFormula("498", "432", "45", "70", "1").g), 605.0, 6.05);
}

} // namespace
