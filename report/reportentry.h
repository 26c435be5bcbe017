// SPDX-License-Identifier: MIT
#pragma once

#include "summaryitem.h"

#include <QtGlobal>
#include <span>
#include <string>

class QWidget;

// The entry of the report module, korvane_report, which the program loads at
// the first "导出打印" and looks up by name. It is declared here once for both
// sides: the module defines it, and the program takes the type it casts the
// looked-up address to from this declaration, so the compiler checks the
// signature across the module boundary.
#ifdef KORVANE_REPORT_MODULE
#define KORVANE_REPORT_ENTRY Q_DECL_EXPORT
#else
#define KORVANE_REPORT_ENTRY
#endif

// Makes a report window of `lines` without owner; it destroys itself when
// closed. `columnTitles` are the summary list's column headings (GBK).
extern "C" KORVANE_REPORT_ENTRY QWidget*
korvaneCreateReportWindow(std::span<const korvane::SummaryItem> lines,
                          std::span<const std::string> columnTitles);

namespace korvane::ReportModule {
inline constexpr char kEntryName[] = "korvaneCreateReportWindow";
using CreateWindow = decltype(&korvaneCreateReportWindow);
} // namespace korvane::ReportModule
