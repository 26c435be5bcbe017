// SPDX-License-Identifier: MIT
#pragma once

#include "reportdialogs.h"

#include <QWidget>
#include <functional>

class QPrintPreviewWidget;
class QPrinter;
class QPushButton;

namespace korvane {

class ReportGrid;

// "打印预览": the pages as they will print, drawn by the report painter, with
// the commands to print, change margins and paper, turn pages and zoom.
class PrintPreviewWindow : public QWidget {
    Q_OBJECT
  public:
    // `printRequested` prints as "打印" of the report window does.
    PrintPreviewWindow(ReportGrid& grid, QPrinter& printer, const ReportDialogs& dialogs,
                       std::function<void()> printRequested, QWidget* parent = nullptr);

    QPrintPreviewWidget* preview() const { return preview_; }
    int currentPage() const;
    int pageCount() const;
    // Pages outside the document are refused.
    void goToPage(int page);

    void editMargins();
    void pageSetup();
    void askPage();

  private:
    QPushButton* command(const char* text, std::function<void()> action);

    ReportGrid& grid_;
    QPrinter& printer_;
    const ReportDialogs& dialogs_;
    QPrintPreviewWidget* preview_;
};

} // namespace korvane
