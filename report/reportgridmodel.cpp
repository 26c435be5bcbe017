// SPDX-License-Identifier: MIT
#include "reportgridmodel.h"

#include "gbkstring.h"
#include "reportpainter.h"

namespace korvane {

ReportGridModel::ReportGridModel(ReportGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid) {}

void ReportGridModel::setCellText(int row, int column, const std::string& text) {
    grid_.setText(row, column, text);
    refresh(row, column);
}

void ReportGridModel::refresh(int row, int column) {
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
}

int ReportGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.rowCount();
}

int ReportGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.columnCount();
}

QVariant ReportGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int r = index.row();
    const int c = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return fromGbk(grid_.text(r, c));
    case Qt::FontRole:
        return ReportPainter::cellFont(grid_, r, c);
    case Qt::ForegroundRole:
        return ReportPainter::color(grid_.textColor(r, c));
    case Qt::BackgroundRole:
        return ReportPainter::color(grid_.backgroundColor(r, c));
    default:
        return {};
    }
}

bool ReportGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    setCellText(index.row(), index.column(), toGbk(value.toString()));
    return true;
}

Qt::ItemFlags ReportGridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (grid_.isEditable())
        flags |= Qt::ItemIsEditable;
    return flags;
}

} // namespace korvane
