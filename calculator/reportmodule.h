// SPDX-License-Identifier: MIT
#pragma once

#include "summaryitem.h"

#include <span>
#include <string>

class QWidget;

namespace korvane {

// The report window, its printing and the spreadsheet export come in a module
// of their own, korvane_report, loaded by the first "导出打印": the print
// support and spreadsheet libraries they need then cost nothing at start-up,
// when nothing on screen needs them.
namespace ReportModule {

// Makes a report window of `lines` without owner; it destroys itself when closed.
using CreateWindow = QWidget* (*)(std::span<const SummaryItem> lines,
                                  std::span<const std::string> columnTitles);

// The module's maker of report windows, from beside the program (or the
// installed lib/korvane), loaded on the first call; nullptr when it cannot be loaded.
CreateWindow createWindow();
// Makes report windows with `create` instead of loading the module: for a
// program that has the report linked in.
void provide(CreateWindow create);

} // namespace ReportModule
} // namespace korvane
