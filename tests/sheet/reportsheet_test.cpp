// SPDX-License-Identifier: MIT
#include "gbkcodec.h"
#include "reportsheet.h"
#include "testnames.h"

#include <array>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

using korvane::CellRange;
using korvane::HorizontalAlignment;
using korvane::ReportGrid;
using korvane::ReportHeader;
using korvane::ReportSheet;
using korvane::RgbColor;
using korvane::SummaryItem;

namespace {

std::string g(const char* utf8) {
    return korvane::utf8ToGbk(utf8);
}

const std::array<std::string, 6> kTitles = {g("序号"),     g("材料名称"), g("规格型号"),
                                            g("理论重量"), g("数量"),     g("重量(Kg)")};

SummaryItem item(const char* number, const char* name, const char* size, const char* unit,
                 const char* quantity, const char* weight) {
    return {{g(number), g(name), g(size), g(unit), g(quantity), g(weight)}};
}

ReportGrid report(const std::vector<SummaryItem>& items,
                  const ReportHeader& header = {g("材 料 重 量 汇 总 表"), g("甲公司"), g("张工"),
                                                g("2019年12月19日")}) {
    return ReportSheet::build(items, kTitles, header);
}

TEST(ReportSheetEdges, EmptyListGivesSixRowsAndZeroTotal) {
    const ReportGrid grid = report({});
    ASSERT_EQ(grid.rowCount(), 6);
    ASSERT_EQ(grid.columnCount(), 7);
    EXPECT_EQ(grid.text(2, 6), g("备注"));
    EXPECT_EQ(grid.text(3, 0), g(" 合计："));
    EXPECT_EQ(grid.text(3, 5), "0.00");
    EXPECT_EQ(grid.text(4, 0), g("备注："));
    EXPECT_EQ(grid.text(5, 0).substr(0, g("制单人：").size()), g("制单人："));
}

struct TotalCase {
    const char* name;
    std::vector<const char*> weights;
    const char* total;
    int copies = 1; // each weight this many times
};

void PrintTo(const TotalCase& c, std::ostream* os) {
    *os << c.name;
}

class ReportTotal : public testing::TestWithParam<TotalCase> {};

TEST_P(ReportTotal, SumsTheWeightColumnExactly) {
    std::vector<SummaryItem> items;
    for (const char* weight : GetParam().weights)
        for (int copy = 0; copy < GetParam().copies; ++copy)
            items.push_back(item("1", "", "", "", "", weight));
    const ReportGrid grid = report(items);
    const int totals = grid.rowCount() - 3;
    EXPECT_EQ(grid.text(totals, 5), GetParam().total);
    EXPECT_EQ(grid.text(totals, 0), g(" 合计："));
}

INSTANTIATE_TEST_SUITE_P(
    Weights, ReportTotal,
    testing::Values(TotalCase{"two items", {"1.5", "2.25"}, "3.75"},
                    // Single precision would give 16777218.00 and 124343.94.
                    TotalCase{"beyond single precision", {"16777216", "1.5"}, "16777217.50"},
                    TotalCase{"sixty plate lines", {"2072.40"}, "124344.00", 60},
                    TotalCase{"texts read as numbers", {"12.6kg", "", "abc", "-2.6"}, "10.00"}),
    [](const testing::TestParamInfo<TotalCase>& info) {
        return rowName(info.param.name, info.index);
    });

TEST(ReportSheetEdits, CellEditAndHeaderChanges) {
    ReportGrid grid = report({item("1", "", "", "", "", "1.5"), item("2", "", "", "", "", "2")});
    grid.setText(4, 5, "10.25");
    EXPECT_EQ(ReportSheet::recomputeTotal(grid), "11.75");
    EXPECT_EQ(grid.text(5, 5), "11.75");

    // Each change writes its one cell's text and leaves its format alone.
    ReportSheet::setCompany(grid, g("A"));
    EXPECT_EQ(grid.text(1, 0), g("单位名称：A"));
    EXPECT_EQ(grid.fontSize(1, 0), 16);
    ReportSheet::setSignature(grid, g("李四"), g("2020年3月1日"));
    EXPECT_EQ(grid.text(7, 0), g("制单人：李四                   日期：2020年3月1日"));
    EXPECT_EQ(grid.text(7, 0), ReportSheet::signatureText(g("李四"), g("2020年3月1日")));
}

TEST(ReportSheetLayout, ControlHeights) {
    EXPECT_EQ(ReportSheet::gridHeight(0), 210);
    EXPECT_EQ(ReportSheet::windowHeight(0), 345);
    EXPECT_EQ(ReportSheet::gridHeight(3), 285);
    EXPECT_EQ(ReportSheet::windowHeight(3), 420);
}

constexpr RgbColor kBlack{0, 0, 0};
constexpr RgbColor kWhite{255, 255, 255};
constexpr RgbColor kBlue{0, 0, 255};
constexpr RgbColor kGrey{236, 236, 236};
constexpr auto kLeft = HorizontalAlignment::Left;
constexpr auto kCentre = HorizontalAlignment::Center;

// One row of the sheet of three items: what every column holds. Column 0
// may differ from the others in face, size and alignment.
struct LayoutRow {
    const char* role;
    int row;
    std::array<const char*, 7> texts;
    std::optional<CellRange> merge; // the range that covers the row's merged cells
    int height;
    const char* face0;
    int size0;
    const char* faceRest;
    unsigned flags;
    HorizontalAlignment align0;
    HorizontalAlignment alignRest;
    RgbColor text;
    RgbColor background;
};

void PrintTo(const LayoutRow& r, std::ostream* os) {
    *os << r.role;
}

const char* const kSignature = "制单人：张工                   日期：2019年12月19日";

class ThreeItemReport : public testing::TestWithParam<LayoutRow> {};

TEST_P(ThreeItemReport, RowAsLaidOut) {
    const ReportGrid grid =
        report({item("1", "钢板", "10mm*2.2m*12m*1块", "78.50Kg/㎡", "26.40㎡", "2072.40"),
                item("2", "槽钢 [10", "100*48*5.3", "10.007Kg/m", "2m", "20.01"),
                item("3", "圆钢", "φ20", "2.468Kg/m", "6m", "14.81")});
    ASSERT_EQ(grid.rowCount(), 9);
    const LayoutRow& e = GetParam();
    EXPECT_EQ(grid.rowHeight(e.row), e.height);
    for (int c = 0; c < 7; ++c) {
        SCOPED_TRACE("column " + std::to_string(c));
        EXPECT_EQ(grid.text(e.row, c), g(e.texts[size_t(c)]));
        const bool merged = e.merge && e.merge->contains(e.row, c);
        EXPECT_EQ(grid.mergeAt(e.row, c), merged ? e.merge : std::nullopt);
        EXPECT_EQ(grid.fontFace(e.row, c), g(c == 0 ? e.face0 : e.faceRest));
        EXPECT_EQ(grid.fontSize(e.row, c), c == 0 ? e.size0 : 12);
        EXPECT_EQ(grid.styleFlags(e.row, c), e.flags);
        EXPECT_EQ(grid.alignment(e.row, c), c == 0 ? e.align0 : e.alignRest);
        EXPECT_EQ(grid.textColor(e.row, c), e.text);
        EXPECT_EQ(grid.backgroundColor(e.row, c), e.background);
        // Only the remarks the user writes break into lines.
        EXPECT_EQ(grid.wordWrap(e.row, c), e.row == 7 && c == 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ThreeItemReport,
    testing::Values(
        LayoutRow{"title",
                  0,
                  {"材 料 重 量 汇 总 表", "", "", "", "", "", ""},
                  CellRange{0, 0, 0, 6},
                  40,
                  "黑体",
                  25,
                  "黑体",
                  0,
                  kCentre,
                  kLeft,
                  kBlue,
                  kWhite},
        LayoutRow{"company",
                  1,
                  {"单位名称：甲公司", "", "", "", "", "", ""},
                  CellRange{1, 0, 1, 6},
                  30,
                  "黑体",
                  16,
                  "黑体",
                  0,
                  kLeft,
                  kLeft,
                  kBlue,
                  kWhite},
        LayoutRow{"headings",
                  2,
                  {"序号", "材料名称", "规格型号", "理论重量", "数量", "重量(Kg)", "备注"},
                  std::nullopt,
                  25,
                  "黑体",
                  12,
                  "黑体",
                  korvane::Bold,
                  kCentre,
                  kCentre,
                  kBlack,
                  kGrey},
        LayoutRow{"first item",
                  3,
                  {"1", "钢板", "10mm*2.2m*12m*1块", "78.50Kg/㎡", "26.40㎡", "2072.40", ""},
                  std::nullopt,
                  25,
                  "宋体",
                  12,
                  "宋体",
                  0,
                  kCentre,
                  kCentre,
                  kBlack,
                  kWhite},
        LayoutRow{"second item",
                  4,
                  {"2", "槽钢 [10", "100*48*5.3", "10.007Kg/m", "2m", "20.01", ""},
                  std::nullopt,
                  25,
                  "宋体",
                  12,
                  "宋体",
                  0,
                  kCentre,
                  kCentre,
                  kBlack,
                  kWhite},
        LayoutRow{"last item",
                  5,
                  {"3", "圆钢", "φ20", "2.468Kg/m", "6m", "14.81", ""},
                  std::nullopt,
                  25,
                  "宋体",
                  12,
                  "宋体",
                  0,
                  kCentre,
                  kCentre,
                  kBlack,
                  kWhite},
        LayoutRow{"totals",
                  6,
                  {" 合计：", "", "", "", "", "2107.22", ""},
                  CellRange{6, 1, 6, 4},
                  25,
                  "宋体",
                  12,
                  "宋体",
                  0,
                  kCentre,
                  kCentre,
                  kBlack,
                  kWhite},
        LayoutRow{"remarks",
                  7,
                  {"备注：", "", "", "", "", "", ""},
                  CellRange{7, 1, 7, 6},
                  40,
                  "宋体",
                  19,
                  "宋体",
                  0,
                  kLeft,
                  kLeft,
                  kBlack,
                  kWhite},
        LayoutRow{"signature",
                  8,
                  {kSignature, "", "", "", "", "", ""},
                  CellRange{8, 0, 8, 6},
                  30,
                  "黑体",
                  13,
                  "宋体",
                  0,
                  kLeft,
                  kLeft,
                  kBlack,
                  kWhite}),
    [](const testing::TestParamInfo<LayoutRow>& info) {
        return rowName(info.param.role, info.index);
    });

TEST(ReportSheetLayout, GridSettingsAndColumns) {
    const ReportGrid grid = report({item("1", "", "", "", "", "1")});
    std::vector<int> widths;
    for (int c = 0; c < grid.columnCount(); ++c)
        widths.push_back(grid.columnWidth(c));
    EXPECT_EQ(widths, (std::vector<int>{43, 80, 140, 85, 70, 80, 72}));
    EXPECT_EQ(grid.merges().size(), 5u);
    EXPECT_EQ(grid.headerRowCount(), 0);
    EXPECT_EQ(grid.headerColumnCount(), 0);
    EXPECT_EQ(grid.lineColor(), kBlack);
    EXPECT_EQ(grid.lineWidth(), 1);
    EXPECT_EQ(grid.lineType(), ReportGrid::LineType::Both);
    EXPECT_EQ(grid.focusTextColor(), (RgbColor{255, 0, 0}));
    EXPECT_TRUE(grid.isEditable());
}

} // namespace
