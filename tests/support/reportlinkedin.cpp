// SPDX-License-Identifier: MIT
// Linked into the GUI tests: report windows are made in the test itself, not
// by the module the program loads, so that the test's message boxes and
// dialogs stand in for them too.
#include "reportmodule.h"
#include "reportwindow.h"

namespace {
const bool provided =
    (korvane::ReportModule::provide([](std::span<const korvane::SummaryItem> lines,
                                       std::span<const std::string> titles) -> QWidget* {
         return new korvane::ReportWindow(lines, titles);
     }),
     true);
} // namespace
