// SPDX-License-Identifier: MIT
#pragma once

#include "reportgrid.h"
#include "summaryitem.h"

#include <span>
#include <string>

namespace korvane {

// The texts of the report's head and foot, GBK, as the user has them in the
// window's edit boxes and date picker.
struct ReportHeader {
    std::string title;
    std::string company;
    std::string preparer;
    std::string date; // date text, "2019年12月19日"
};

// The material summary as a report sheet: title, company, the list's headings,
// one row per line, totals, remarks and the signature line.
class ReportSheet {
  public:
    // The sheet of `items` under the list's column titles (the sheet adds the
    // column "备注"): rowCount = items + 6.
    static ReportGrid build(std::span<const SummaryItem> items,
                            std::span<const std::string> columnTitles, const ReportHeader& header);

    // The grid and window heights in pixels for a list of `itemCount` lines as
    // designed, before the screen's height bounds them.
    static int gridHeight(int itemCount);
    static int windowHeight(int itemCount);

    // The edit boxes' live changes: each writes the text of its one cell.
    static void setTitle(ReportGrid& grid, const std::string& title);
    static void setCompany(ReportGrid& grid, const std::string& company);
    static void setSignature(ReportGrid& grid, const std::string& preparer,
                             const std::string& date);
    static std::string signatureText(const std::string& preparer, const std::string& date);

    // The sum of the weight column of every row above the totals, added in
    // double precision as the summary panel adds it, with 2 decimals.
    static std::string totalText(const ReportGrid& grid);
    // Writes the total and the caption " 合计：" into the totals row and
    // returns the total text.
    static std::string recomputeTotal(ReportGrid& grid);

    static constexpr int kWeightColumn = SummaryItem::Weight;
};

} // namespace korvane
