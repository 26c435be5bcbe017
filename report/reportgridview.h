// SPDX-License-Identifier: MIT
#pragma once

#include <QTableView>

namespace korvane {

class ReportGrid;
class ReportGridModel;

// The report sheet on screen: spans, fonts, colours, alignment, wrap, row
// heights and column widths as the sheet has them, drawn by the same painter
// that prints it. The cell with the focus shows its text in the sheet's focus
// colour. Rows beyond the view's height scroll inside it; the vertical scroll
// bar then takes its width from the widest column, so the last column stays
// whole and no horizontal scroll bar appears for a sheet that fits without it.
class ReportGridView : public QTableView {
    Q_OBJECT
  public:
    ReportGridView(ReportGridModel* model, QWidget* parent = nullptr);

    ReportGridModel* reportModel() const { return model_; }
    // Takes the sizes and merges from the sheet again.
    void applyLayout();

  signals:
    // The user finished editing a cell (committed or not).
    void editFinished();

  protected:
    void updateGeometries() override;

  private:
    // The columns at the sheet's widths, less what the vertical scroll bar takes.
    void fitColumns();

    ReportGridModel* model_;
};

} // namespace korvane
