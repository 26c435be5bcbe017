// SPDX-License-Identifier: MIT
// The entry of the korvane_report module, which the program loads when the
// report is first opened.
#include "reportentry.h"
#include "reportwindow.h"

// Defined as extern "C" like its declaration: a definition that differed from
// it would then not build, instead of becoming a second function of its own.
extern "C" QWidget* korvaneCreateReportWindow(std::span<const korvane::SummaryItem> lines,
                                              std::span<const std::string> columnTitles) {
    return new korvane::ReportWindow(lines, columnTitles);
}
