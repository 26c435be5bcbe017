// SPDX-License-Identifier: MIT
#pragma once

#include "reportgrid.h"

#include <QAbstractTableModel>

namespace korvane {

// The report sheet as a Qt item model, for the grid view. The sheet stays
// the one place that holds the texts and formats; this only translates.
class ReportGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ReportGridModel(ReportGrid& grid, QObject* parent = nullptr);

    const ReportGrid& grid() const { return grid_; }
    // The program's own change of a cell's text (GBK); views follow at once.
    void setCellText(int row, int column, const std::string& text);
    // The cell was changed in the sheet directly: views draw it again.
    void refresh(int row, int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    ReportGrid& grid_;
};

} // namespace korvane
