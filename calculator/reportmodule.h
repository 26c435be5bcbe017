// SPDX-License-Identifier: MIT
#pragma once

#include "reportentry.h"

namespace korvane {

// The report window, its printing and the spreadsheet export come in a module
// of their own, korvane_report, loaded by the first "导出打印": the print
// support and spreadsheet libraries they need then cost nothing at start-up,
// when nothing on screen needs them.
namespace ReportModule {

// The module's maker of report windows, from beside the program (or the
// program's installed library folder), loaded on the first call; nullptr when
// it cannot be loaded.
CreateWindow createWindow();
// Makes report windows with `create` instead of loading the module: for a
// program that has the report linked in.
void provide(CreateWindow create);

} // namespace ReportModule
} // namespace korvane
