// SPDX-License-Identifier: MIT
#pragma once

#include "exportdialogs.h"
#include "reportgrid.h"

#include <QString>
#include <memory>

class QWidget;

namespace korvane {

// What the report window's "导出表格" does: asks for a file and a sheet name,
// writes the sheet as XML Spreadsheet 2003 (.xls) or as a workbook (.xlsx) and
// says whether it was saved.
class SpreadsheetExportFlow {
  public:
    enum class FileType { Xls, Xlsx };

    // With the dialogs on screen.
    SpreadsheetExportFlow();
    // With other dialogs; `dialogs` must outlive the flow.
    explicit SpreadsheetExportFlow(ExportDialogs& dialogs);
    ~SpreadsheetExportFlow();

    // Runs the whole export of `grid`; `window` (may be null) is disabled
    // until it is done and parents the dialogs.
    void run(QWidget* window, const ReportGrid& grid);

    // "表格文件(*.xls)" first, then "Excel 工作簿(*.xlsx)".
    static QList<ExportDialogs::FileFilter> filters();

    // The file chosen with filter `filter`: a name without an extension gets
    // the filter's; a name ending in .xls or .xlsx is written as that type
    // whatever the filter, any other as the filter's type.
    struct Target {
        QString path;
        FileType type = FileType::Xls;
        bool operator==(const Target&) const = default;
    };
    static Target target(const QString& path, int filter);

    // Writes the file in one piece: a file that could not be written to the
    // end (a full disk, a removed medium, no permission) is not put in place,
    // and an earlier file of that name stays as it was. False then.
    static bool save(const Target& target, const ReportGrid& grid, const QString& sheetName);

  private:
    std::unique_ptr<ExportDialogs> ownDialogs_;
    ExportDialogs& dialogs_;
};

} // namespace korvane
