// SPDX-License-Identifier: MIT
#pragma once

#include "summaryitem.h"

#include <QTableWidget>
#include <functional>
#include <string>
#include <vector>

namespace korvane {

// The summary list on screen: one SummaryItem per row, a check box in front of
// every row, full-row single selection, no sorting and no editing. Texts are
// GBK on this side, as everywhere in the program.
class SummaryList : public QTableWidget {
    Q_OBJECT
  public:
    explicit SummaryList(QWidget* parent = nullptr);

    // Inserts an unchecked row at `row` (rowCount() appends).
    void insertLine(int row, const SummaryItem& line);
    SummaryItem line(int row) const;
    std::vector<SummaryItem> lines() const;
    // Replaces every row; none is checked.
    void setLines(const std::vector<SummaryItem>& lines);
    // Deletes every checked row in one pass over the list, however long it is.
    // The highlight and the current cell stay on their line; when that line
    // goes, they move to the nearest remaining line below it, else above it,
    // as deleting the rows one by one would leave them.
    void removeCheckedLines();
    // Writes `text(row)` into column `column` of every row.
    void setColumnTexts(int column, const std::function<std::string(int row)>& text);

    std::string cellText(int row, int column) const;
    void setCellText(int row, int column, const std::string& gbk);

    bool isChecked(int row) const;
    // Changes made here are the program's own: they do not emit checkMarkChanged.
    void setChecked(int row, bool checked);

    // The highlighted row, -1 when none is.
    int selectedRow() const;

    // The column whose span holds `x` (viewport pixels from the left edge),
    // walking the columns in display order; a boundary pixel belongs to the
    // column on its right. -1 right of the last column.
    int columnAtX(int x) const;

  signals:
    // The user changed the check mark of `row`.
    void checkMarkChanged(int row);
    // A double click at `position` in the viewport, after the click has
    // selected its row (or cleared the selection in the free area).
    void doubleClickedAt(QPoint position);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QTableWidgetItem* makeCell(int column, const std::string& gbk) const;
    // Ends a change made with the model's signals blocked: the view paints
    // the rows again from the items.
    void repaintAll();

    bool ownChange_ = false;
};

} // namespace korvane
