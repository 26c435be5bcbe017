// SPDX-License-Identifier: MIT
#include "reportsheet.h"

#include "gbkcodec.h"
#include "numbertext.h"

#include <algorithm>

namespace korvane {
namespace {

struct Texts {
    std::string heiti = utf8ToGbk("黑体");
    std::string remarksHeading = utf8ToGbk("备注");
    std::string remarks = utf8ToGbk("备注：");
    std::string companyPrefix = utf8ToGbk("单位名称：");
    std::string preparerPrefix = utf8ToGbk("制单人：");
    // The blanks keep the date well away from the preparer's name.
    std::string datePrefix = utf8ToGbk("                   日期：");
    std::string totalCaption = utf8ToGbk(" 合计：");
};

const Texts& texts() {
    static const Texts t;
    return t;
}

constexpr RgbColor kBlue{0, 0, 255};
constexpr RgbColor kHeadingBackground{236, 236, 236};
constexpr int kColumnWidths[] = {43, 80, 140, 85, 70, 80, 72};

} // namespace

int ReportSheet::gridHeight(int itemCount) {
    return ReportGrid().defaultRowHeight() * (itemCount + 5) + 85;
}

int ReportSheet::windowHeight(int itemCount) {
    return ReportGrid().defaultRowHeight() * (itemCount + 5) + 220;
}

ReportGrid ReportSheet::build(std::span<const SummaryItem> items,
                              std::span<const std::string> columnTitles,
                              const ReportHeader& header) {
    const Texts& t = texts();
    const int n = int(items.size());
    const int listColumns = int(columnTitles.size());

    ReportGrid grid;
    grid.setRowCount(n + 5);
    grid.setColumnCount(listColumns + 1);
    grid.setHeaderRowCount(0);
    grid.setHeaderColumnCount(0);
    grid.setLineColor({0, 0, 0});
    grid.setLineWidth(1);
    grid.setLineType(ReportGrid::LineType::Both);
    grid.setBackgroundColor({255, 255, 255});
    grid.setTextColor({0, 0, 0});
    grid.setFocusTextColor({255, 0, 0});
    grid.setEditable(true);

    for (int c = 0; c < listColumns; ++c)
        grid.setText(2, c, columnTitles[size_t(c)]);
    for (int i = 0; i < n; ++i)
        for (int c = 0; c < std::min(listColumns, SummaryItem::kColumnCount); ++c)
            grid.setText(3 + i, c, items[size_t(i)].cells[size_t(c)]);

    grid.setText(2, listColumns, t.remarksHeading);
    grid.appendRow();
    const int rows = grid.rowCount();
    const int last = grid.columnCount() - 1;

    grid.setStyleFlags({2, 0, 2, last}, Bold);
    grid.setFontFace({0, 0, 2, last}, t.heiti);
    grid.setFontFace({rows - 1, 0}, t.heiti);

    for (int c = 0; c < int(std::size(kColumnWidths)); ++c)
        grid.setColumnWidth(c, kColumnWidths[c]);
    grid.setRowHeight(0, 40);
    grid.setRowHeight(1, 30);
    grid.setRowHeight(rows - 2, 40);
    grid.setRowHeight(rows - 1, 30);

    grid.setAlignment({0, 0}, HorizontalAlignment::Center);
    grid.setAlignment({2, 0, rows - 3, last}, HorizontalAlignment::Center);

    grid.setFontSize({0, 0}, 25);
    grid.setFontSize({1, 0}, 16);
    grid.setFontSize({rows - 1, 0}, 13);
    grid.setFontSize({rows - 2, 0}, 19);

    grid.merge({0, 0, 0, last});
    grid.merge({1, 0, 1, last});
    grid.merge({rows - 1, 0, rows - 1, last});
    grid.merge({rows - 2, 1, rows - 2, last});
    grid.merge({rows - 3, 1, rows - 3, 4});

    grid.setBackgroundColor({2, 0, 2, last}, kHeadingBackground);
    grid.setTextColor({0, 0, 1, last}, kBlue);

    grid.setWordWrap({rows - 2, 1}, true);
    grid.setText(rows - 2, 0, t.remarks);

    setTitle(grid, header.title);
    setCompany(grid, header.company);
    setSignature(grid, header.preparer, header.date);
    recomputeTotal(grid);
    return grid;
}

void ReportSheet::setTitle(ReportGrid& grid, const std::string& title) {
    grid.setText(0, 0, title);
}

void ReportSheet::setCompany(ReportGrid& grid, const std::string& company) {
    grid.setText(1, 0, texts().companyPrefix + company);
}

std::string ReportSheet::signatureText(const std::string& preparer, const std::string& date) {
    return texts().preparerPrefix + preparer + texts().datePrefix + date;
}

void ReportSheet::setSignature(ReportGrid& grid, const std::string& preparer,
                               const std::string& date) {
    grid.setText(grid.rowCount() - 1, 0, signatureText(preparer, date));
}

std::string ReportSheet::totalText(const ReportGrid& grid) {
    // Summed in double precision: in single precision sixty lines of 2072.40
    // would total 124343.94 instead of 124344.00, and the report would
    // disagree with the summary panel's own total.
    double sum = 0.0;
    for (int r = 0; r <= grid.rowCount() - 4; ++r)
        sum += NumberText::textToNumber(grid.text(r, kWeightColumn));
    return NumberText::fixedDecimalsText(sum, 2);
}

std::string ReportSheet::recomputeTotal(ReportGrid& grid) {
    std::string total = totalText(grid);
    const int totalsRow = grid.rowCount() - 3;
    grid.setText(totalsRow, kWeightColumn, total);
    grid.setText(totalsRow, 0, texts().totalCaption);
    return total;
}

} // namespace korvane
