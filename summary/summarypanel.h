// SPDX-License-Identifier: MIT
#pragma once

#include "summaryitem.h"

#include <QObject>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;

namespace korvane {

class SummaryList;

// The material summary panel of the main window: the summary list with its
// running totals, check marks, deleting, moving and copying of rows. It builds
// its controls into the given group box. The contents of a new line, saving
// and the report are the main window's work, asked for through the signals.
class SummaryPanel : public QObject {
    Q_OBJECT
  public:
    explicit SummaryPanel(QGroupBox* box);

    SummaryList* list() const { return list_; }

    // Appends `line` (cells 1 to 5 filled) unchecked at the end, numbers it
    // and works out the total again. An add that appended nothing still calls
    // recomputeTotal().
    void appendLine(SummaryItem line);

    // The totals are plain captions, worked out only when these are called.
    void recomputeTotal();
    void recomputeCheckedTotal();

    // Deletes every checked row, renumbers the rest from 1, works out the
    // total, shows 0 as the checked total and unchecks "全选".
    void deleteCheckedRows();
    // Checks or unchecks every row as "全选" now is, then works out both totals.
    void checkAll();
    // Copies the selected row's cell in the column at `x` (viewport pixels) to
    // the clipboard and says so; nothing right of the last column.
    void copyCell(int x);
    // Move the selected row one place; at the top or bottom a warning instead.
    void moveRowUp();
    void moveRowDown();

    // The rows for the summary file; setRows replaces all rows, none checked,
    // and leaves the totals as they are.
    std::vector<SummaryItem> rows() const;
    void setRows(const std::vector<SummaryItem>& rows);

  signals:
    void addRequested();
    void saveRequested();
    void reportRequested();

  private:
    void buildControls(QGroupBox* box);
    void moveRow(int from, int to);
    QString sum(bool checkedOnly) const;

    SummaryList* list_ = nullptr;
    QCheckBox* checkAllBox_ = nullptr;
    QCheckBox* numbersTravelBox_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* checkedTotal_ = nullptr;
};

} // namespace korvane
