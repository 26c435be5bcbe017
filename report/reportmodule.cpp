// SPDX-License-Identifier: MIT
// The entry of the korvane_report module, which the program loads when the
// report is first opened.
#include "reportwindow.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT QWidget*
korvaneCreateReportWindow(std::span<const korvane::SummaryItem> lines,
                          std::span<const std::string> columnTitles) {
    return new korvane::ReportWindow(lines, columnTitles);
}
