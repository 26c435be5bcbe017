// SPDX-License-Identifier: MIT
#pragma once

#include "reportgrid.h"

#include <string>
#include <string_view>

namespace korvane {

// The report sheet as an XML Spreadsheet 2003 workbook (the ".xls" that
// spreadsheet programs open with the sheet's column widths, row heights,
// merges, fonts, colours, borders and alignment). The grid is only read.
//
// The file is the one older versions of the program wrote, byte for byte: UTF-8
// with CR LF line ends, a margin row and column 10 points wide around the
// sheet, and the style ids s22, s23, … for single cells and m60444964,
// m60444974, … for merged ones, numbered anew in each file in order of first use.
class SpreadsheetExport {
  public:
    // The whole file. `sheetName` is GBK, like every text of the grid.
    static std::string xml(const ReportGrid& grid, std::string_view sheetName);
};

} // namespace korvane
