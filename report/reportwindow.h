// SPDX-License-Identifier: MIT
#pragma once

#include "reportdialogs.h"
#include "reportgrid.h"
#include "summaryitem.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPrinter;

namespace korvane {

class PrintPreviewWindow;
class ReportGridModel;
class ExportDialogs;
class ReportGridView;

// "材料重量汇总": the summary list as a printable report. The sheet is built
// once, from the lines given at creation; the title, company, preparer and
// date below it change their cells at once. The header texts are kept in
// "配置.txt" by "保存信息" and read back by every new window.
class ReportWindow : public QWidget {
    Q_OBJECT
  public:
    // `columnTitles` are the summary list's column headings (GBK).
    ReportWindow(std::span<const SummaryItem> lines, std::span<const std::string> columnTitles,
                 QWidget* parent = nullptr);
    ~ReportWindow() override;

    // As designed, as high as the list; the least is the height of an empty
    // list's window, below which the grid would show nothing.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    const ReportGrid& grid() const { return grid_; }
    ReportGridView* gridView() const { return view_; }
    // "总在最前": the window stays where it is, above other windows.
    bool staysOnTop() const;

    // Tests answer the print and preview dialogs through this.
    void setDialogs(ReportDialogs dialogs) { dialogs_ = std::move(dialogs); }
    PrintPreviewWindow* previewWindow() const;

    // "保存信息": the three header texts to the header-info file; a failure is said.
    void saveHeaderInfo();
    // "打印": the print dialog, then every page.
    void print();
    // "打印预览": the preview's own margins, then the preview window.
    void printPreview();
    // A cell edit ended: the totals row and the hidden total label again.
    void recomputeTotal();
    // "导出表格": the sheet as a spreadsheet file, through the save dialog.
    void exportSheet();
    // Tests answer the export's dialogs through this; nullptr: the real ones.
    void setExportDialogs(ExportDialogs* dialogs) { exportDialogs_ = dialogs; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildControls();
    // The grid as high as the window leaves it, the controls below it.
    void layOut();
    void loadHeaderInfo();
    void updateSignature();
    void setStaysOnTop(bool onTop);
    std::string dateText() const;
    QPrinter& printer();

    int lineCount_ = 0;
    ReportGrid grid_;
    ReportGridModel* model_ = nullptr;
    ReportGridView* view_ = nullptr;
    QLineEdit* title_ = nullptr;
    QLineEdit* company_ = nullptr;
    QLineEdit* preparer_ = nullptr;
    QDateEdit* date_ = nullptr;
    QCheckBox* onTop_ = nullptr;
    QLabel* totalLabel_ = nullptr;
    ReportDialogs dialogs_;
    std::unique_ptr<QPrinter> printer_;
    QPointer<PrintPreviewWindow> preview_;
    ExportDialogs* exportDialogs_ = nullptr;
    // The controls below the grid, each with its place measured from the grid's bottom.
    std::vector<std::pair<QWidget*, QRect>> belowGrid_;
};

} // namespace korvane
