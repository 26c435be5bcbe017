// SPDX-License-Identifier: MIT
// Writes the report of three lines as .xls and .xlsx, the way the export
// flow saves them, for the end-to-end check with a real spreadsheet program.
#include "reportsamples.h"
#include "spreadsheetexportflow.h"

#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FILE.xls FILE.xlsx\n", argv[0]);
        return 2;
    }
    using korvane::SpreadsheetExportFlow;
    const korvane::ReportGrid grid = reportsamples::threeItemReport();
    const QString sheet = QStringLiteral("钢材汇总");
    const bool ok =
        SpreadsheetExportFlow::save(
            {QString::fromLocal8Bit(argv[1]), SpreadsheetExportFlow::FileType::Xls}, grid, sheet) &&
        SpreadsheetExportFlow::save(
            {QString::fromLocal8Bit(argv[2]), SpreadsheetExportFlow::FileType::Xlsx}, grid, sheet);
    return ok ? 0 : 1;
}
