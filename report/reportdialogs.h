// SPDX-License-Identifier: MIT
#pragma once

#include "marginsdialog.h"

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace korvane {

// The modal dialogs that printing asks, in one place, so that a test can
// answer them instead of waiting on a dialog nobody closes.
struct ReportDialogs {
    // The print dialog on `printer`; true when the user chose to print.
    std::function<bool(QWidget* parent, QPrinter& printer)> print;
    // "打印设置": paper and printer; true when confirmed.
    std::function<bool(QWidget* parent, QPrinter& printer)> pageSetup;
    // "页边距": edits the settings for `paper` in place; true when confirmed.
    std::function<bool(QWidget* parent, const QPageLayout& paper,
                       MarginsDialog::Settings& settings)>
        margins;
    // "到指定页": a page from 1 to `pageCount`, none when cancelled.
    std::function<std::optional<int>(QWidget* parent, int currentPage, int pageCount)> page;

    // The real dialogs.
    static ReportDialogs standard();
};

} // namespace korvane
