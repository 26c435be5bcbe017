// SPDX-License-Identifier: MIT
#pragma once

#include "summaryitem.h"

#include <QObject>
#include <QPointer>
#include <optional>
#include <vector>

class QWidget;

namespace korvane {

class CalculatorPages;
class MainWindow;
class SummaryPanel;

// Joins the calculator pages to the material summary: the line a page adds
// ("添加" and the quick add), the summary file read at start-up and written by
// "保存材料", and the report window opened by "导出打印".
class MaterialSummary : public QObject {
    Q_OBJECT
  public:
    MaterialSummary(MainWindow* window, CalculatorPages* pages);
    ~MaterialSummary() override;

    // The quick-add button was reached from the page's last input: asks
    // whether to add the page's line.
    void quickAdd();
    // Adds the shown page's line to the list when its fields are filled.
    void addSummaryLine();
    // The line the shown page adds, cells 1 to 5; none on the auxiliary page.
    std::optional<SummaryItem> pageLine() const;
    // The quick-add question for the shown page.
    QString question() const;

    // Start-up: the list as last saved. Never fails and never asks anything.
    void load();
    // "保存材料": the whole list to the file; a failure is shown as a warning.
    // True when saved.
    bool save();
    // Whether the list differs from what was last loaded or saved: a line
    // added, deleted, moved or renumbered. Check marks are not kept in the
    // file, so they are no change.
    bool modified() const;
    // Before the program ends: a modified list asks whether to save it first.
    // True when the program may end: the list was unchanged, saved, or the
    // user chose not to save; false for cancel or a failed save.
    bool confirmEnd();
    // "导出打印": the first press creates the report window from the list as
    // it is now; later presses show or hide it until it is closed.
    void toggleReport();
    QWidget* reportWindow() const;
    // Places the report window beside the main window, unless it stays on top.
    void dockReport();

  private:
    // The list's controls are built when first needed; until then the lines
    // read at start-up wait here.
    SummaryPanel* panel() const;
    void panelBuilt(SummaryPanel* panel);
    std::vector<SummaryItem> rows() const;

    std::string fieldText(std::string_view name) const;
    std::string tableCell(int column) const;
    // A summary-line pattern filled from the shown page (GBK).
    std::string expand(const char* pattern) const;

    MainWindow* window_;
    CalculatorPages* pages_;
    QPointer<QWidget> report_;
    std::vector<SummaryItem> waiting_;
    // The lines as the file holds them since the last load or save.
    std::vector<SummaryItem> kept_;
};

} // namespace korvane
