// SPDX-License-Identifier: MIT
#include "reportgrid.h"
#include "testnames.h"

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

using korvane::CellRange;
using korvane::HorizontalAlignment;
using korvane::ReportGrid;
using korvane::RgbColor;

namespace {

constexpr RgbColor kRed{255, 0, 0};

// A 4 x 3 grid with every cell still unformatted.
ReportGrid smallGrid() {
    ReportGrid grid;
    grid.setRowCount(4);
    grid.setColumnCount(3);
    return grid;
}

// The cells a range format reached, as "row,column" marks.
std::string reached(const ReportGrid& grid) {
    std::string marks;
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.columnCount(); ++c)
            if (grid.textColor(r, c) == kRed)
                marks += std::to_string(r) + "," + std::to_string(c) + " ";
    return marks;
}

struct RangeCase {
    const char* name;
    CellRange range;
    std::string cells;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class RangeFormat : public testing::TestWithParam<RangeCase> {};

TEST_P(RangeFormat, ReachesTheCellsInsideTheGrid) {
    ReportGrid grid = smallGrid();
    grid.setTextColor(GetParam().range, kRed);
    EXPECT_EQ(reached(grid), GetParam().cells);
}

INSTANTIATE_TEST_SUITE_P(Ranges, RangeFormat,
                         testing::Values(RangeCase{"one cell", {1, 2}, "1,2 "},
                                         RangeCase{"block", {1, 0, 2, 1}, "1,0 1,1 2,0 2,1 "},
                                         RangeCase{"last row and column past the end",
                                                   {2, 1, 99, 99},
                                                   "2,1 2,2 3,1 3,2 "},
                                         RangeCase{"first row past the end", {4, 0, 9, 2}, ""},
                                         RangeCase{"first column past the end", {0, 3, 0, 5}, ""},
                                         RangeCase{"negative first row", {-1, 0, 1, 0}, ""},
                                         RangeCase{"last before first", {2, 2, 1, 2}, ""}),
                         [](const testing::TestParamInfo<RangeCase>& info) {
                             return rowName(info.param.name, info.index);
                         });

TEST(ReportGridCells, UnformattedCellsAndGridColours) {
    ReportGrid grid("Face", 12);
    grid.setRowCount(2);
    grid.setColumnCount(2);
    grid.setTextColor({1, 2, 3});
    grid.setBackgroundColor({4, 5, 6});
    EXPECT_EQ(grid.fontFace(1, 1), "Face");
    EXPECT_EQ(grid.fontSize(1, 1), 12);
    EXPECT_EQ(grid.styleFlags(1, 1), 0u);
    EXPECT_EQ(grid.alignment(1, 1), HorizontalAlignment::Left);
    EXPECT_FALSE(grid.wordWrap(1, 1));
    EXPECT_EQ(grid.textColor(1, 1), (RgbColor{1, 2, 3}));
    EXPECT_EQ(grid.backgroundColor(1, 1), (RgbColor{4, 5, 6}));

    // A cell with colours of its own keeps them when the grid's change.
    grid.setBackgroundColor({0, 0}, {7, 8, 9});
    grid.setBackgroundColor({10, 11, 12});
    EXPECT_EQ(grid.backgroundColor(0, 0), (RgbColor{7, 8, 9}));
    EXPECT_EQ(grid.backgroundColor(0, 1), (RgbColor{10, 11, 12}));

    // Reads outside the grid give an unformatted empty cell, writes do nothing.
    grid.setText(5, 0, "x");
    EXPECT_EQ(grid.text(5, 0), "");
    EXPECT_EQ(grid.fontFace(-1, 0), "Face");
}

TEST(ReportGridCells, FontSizeStoredSignedReadPositive) {
    ReportGrid grid = smallGrid();
    grid.setFontSize({0, 0, 0, 1}, -19);
    EXPECT_EQ(grid.cell(0, 0).fontSize, -19);
    EXPECT_EQ(grid.fontSize(0, 0), 19);
    EXPECT_EQ(grid.fontSize(0, 1), 19);
}

TEST(ReportGridCells, StyleFlagsAndAlignmentAsNumbers) {
    ReportGrid grid = smallGrid();
    grid.setStyleFlags({0, 0}, korvane::Bold | korvane::Underline);
    grid.setAlignment({0, 1}, HorizontalAlignment::Right);
    EXPECT_EQ(grid.styleFlags(0, 0), 5u);
    EXPECT_EQ(static_cast<int>(grid.alignment(0, 1)), 3);
    EXPECT_EQ(static_cast<int>(grid.alignment(0, 2)), 1);
}

TEST(ReportGridSizes, DefaultsSetSizesAndAppendedRow) {
    ReportGrid grid = smallGrid();
    EXPECT_EQ(grid.rowHeight(2), 25);
    EXPECT_EQ(grid.columnWidth(2), 50);
    grid.setRowHeight(0, 40);
    grid.setColumnWidth(1, 80);
    grid.setDefaultRowHeight(20);
    EXPECT_EQ(grid.rowHeight(0), 40);
    EXPECT_EQ(grid.rowHeight(1), 20);
    EXPECT_EQ(grid.totalWidth(), 50 + 80 + 50);
    EXPECT_EQ(grid.totalHeight(), 40 + 3 * 20);

    grid.setText(3, 0, "kept");
    EXPECT_EQ(grid.appendRow(), 4);
    EXPECT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(grid.rowHeight(4), 40); // row 0's height at that moment
    EXPECT_EQ(grid.text(3, 0), "kept");
    EXPECT_EQ(grid.text(4, 0), "");
    grid.setRowHeight(0, 30);
    EXPECT_EQ(grid.rowHeight(4), 40);
}

TEST(ReportGridSizes, NarrowerGridKeepsCellsInPlace) {
    ReportGrid grid = smallGrid();
    grid.setText(1, 1, "b");
    grid.setText(1, 2, "c");
    grid.setColumnCount(2);
    grid.setColumnCount(3);
    EXPECT_EQ(grid.text(1, 1), "b");
    EXPECT_EQ(grid.text(1, 2), "");
}

struct ExtentCase {
    const char* name;
    int row;
    int column;
    int width;
    int height;
};

void PrintTo(const ExtentCase& c, std::ostream* os) {
    *os << c.name;
}

class MergeExtent : public testing::TestWithParam<ExtentCase> {};

// Columns 10, 20, 30, 40 wide; rows 5, 6, 7, 8 high. Merged: row 0 columns
// 1-3, and rows 1-3 of column 0.
TEST_P(MergeExtent, SumsTheRangeOrTheCellAlone) {
    ReportGrid grid;
    grid.setRowCount(4);
    grid.setColumnCount(4);
    for (int i = 0; i < 4; ++i) {
        grid.setColumnWidth(i, 10 * (i + 1));
        grid.setRowHeight(i, 5 + i);
    }
    grid.merge({0, 1, 0, 3});
    grid.merge({1, 0, 9, 0}); // cut to the last row
    const ExtentCase& c = GetParam();
    EXPECT_EQ(grid.mergedWidth(c.row, c.column), c.width);
    EXPECT_EQ(grid.mergedHeight(c.row, c.column), c.height);
}

INSTANTIATE_TEST_SUITE_P(Extents, MergeExtent,
                         testing::Values(ExtentCase{"across, first cell", 0, 1, 90, 5},
                                         ExtentCase{"across, covered cell", 0, 3, 90, 5},
                                         ExtentCase{"down, cut range", 2, 0, 10, 21},
                                         ExtentCase{"outside every merge", 2, 2, 30, 7},
                                         ExtentCase{"left of the merge", 0, 0, 10, 5}),
                         [](const testing::TestParamInfo<ExtentCase>& info) {
                             return rowName(info.param.name, info.index);
                         });

TEST(ReportGridMerges, OverlapReplacesSingleCellAndOutsideIgnored) {
    ReportGrid grid = smallGrid();
    grid.merge({0, 0, 0, 2});
    grid.merge({0, 1, 1, 1}); // overlaps the first: it goes
    grid.merge({2, 2});       // one cell joins nothing
    grid.merge({5, 0, 6, 2}); // outside
    ASSERT_EQ(grid.merges().size(), 1u);
    EXPECT_EQ(grid.merges()[0], (CellRange{0, 1, 1, 1}));
    EXPECT_EQ(grid.mergeAt(1, 1), (CellRange{0, 1, 1, 1}));
    EXPECT_FALSE(grid.mergeAt(0, 0).has_value());

    // A shorter grid cuts the merge; one reduced to a single cell goes.
    grid.merge({2, 0, 3, 0});
    grid.setRowCount(3);
    ASSERT_EQ(grid.merges().size(), 1u);
    EXPECT_EQ(grid.merges()[0], (CellRange{0, 1, 1, 1}));
}

TEST(ReportGridPrint, SettingsByIndex) {
    ReportGrid grid;
    std::vector<int> starting;
    for (int i = 1; i <= ReportGrid::kPrintSettingCount; ++i)
        starting.push_back(grid.printSetting(i));
    EXPECT_EQ(starting, (std::vector<int>{40, 40, 20, 20, 60, 60, 20}));
    EXPECT_EQ(grid.printSetting(0), 0);
    grid.setPrintSetting(ReportGrid::TopMargin, 30);
    grid.setPrintSetting(8, 5);
    EXPECT_EQ(grid.printSetting(3), 30);
    EXPECT_EQ(grid.printSetting(8), 0);
}

} // namespace
