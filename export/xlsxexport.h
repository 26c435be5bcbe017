// SPDX-License-Identifier: MIT
#pragma once

#include "reportgrid.h"

#include <string>
#include <string_view>

namespace korvane {

// The report sheet as an Office Open XML workbook (.xlsx), the file current
// spreadsheet programs open without a word: the sheet's column widths, row
// heights, merges, fonts, colours, fills, borders, alignment and wrap, numbers
// as numbers with the digits of their texts. Sizes follow the .xls export, so
// both files show the same sheet; the .xls's margin row and column are left out.
class XlsxExport {
  public:
    // Writes the workbook to `path` (created or replaced); false when it
    // could not be written. `sheetName` is GBK.
    static bool write(const std::string& path, const ReportGrid& grid, std::string_view sheetName);

    // The sheet name as a workbook accepts it: at most 31 characters, none of
    // []:*?/\ (each becomes "_"), no apostrophe at either end; an empty name
    // becomes "工作表1". UTF-8 in, UTF-8 out.
    static std::string sheetName(std::string_view utf8);
};

} // namespace korvane
