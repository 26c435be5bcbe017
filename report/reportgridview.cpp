// SPDX-License-Identifier: MIT
#include "reportgridview.h"

#include "reportgridmodel.h"
#include "reportpainter.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

namespace korvane {
namespace {

class ReportCellDelegate : public QStyledItemDelegate {
  public:
    ReportCellDelegate(const ReportGridModel* model, QObject* parent)
        : QStyledItemDelegate(parent), model_(model) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const ReportGrid& grid = model_->grid();
        const bool focused = (option.state & QStyle::State_HasFocus) != 0;
        std::optional<QColor> text;
        if (focused)
            text = ReportPainter::color(grid.focusTextColor());
        painter->save();
        ReportPainter::paintCell(*painter, option.rect, grid, index.row(), index.column(), text);
        ReportPainter::paintLines(*painter, option.rect, grid, index.row() == 0,
                                  index.column() == 0);
        painter->restore();
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        editor->setFont(ReportPainter::cellFont(model_->grid(), index.row(), index.column()));
        return editor;
    }

  private:
    const ReportGridModel* model_;
};

} // namespace

ReportGridView::ReportGridView(ReportGridModel* model, QWidget* parent)
    : QTableView(parent), model_(model) {
    setModel(model);
    auto* delegate = new ReportCellDelegate(model, this);
    setItemDelegate(delegate);
    connect(delegate, &QAbstractItemDelegate::closeEditor, this, &ReportGridView::editFinished);
    // The sheet has no heading rows or columns; its own lines are drawn with its cells.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setShowGrid(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    applyLayout();
}

void ReportGridView::applyLayout() {
    const ReportGrid& grid = model_->grid();
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setMinimumSectionSize(1);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    // Only the rows with a height of their own are sized one by one: a long
    // list is mostly rows of the default height.
    verticalHeader()->setDefaultSectionSize(grid.defaultRowHeight());
    for (int r = 0; r < grid.rowCount(); ++r)
        if (grid.rowHeight(r) != grid.defaultRowHeight())
            verticalHeader()->resizeSection(r, grid.rowHeight(r));
    horizontalHeader()->setDefaultSectionSize(grid.defaultColumnWidth());
    fitColumns();
    clearSpans();
    for (const CellRange& range : grid.merges())
        setSpan(range.firstRow, range.firstColumn, range.lastRow - range.firstRow + 1,
                range.lastColumn - range.firstColumn + 1);
}

void ReportGridView::updateGeometries() {
    QTableView::updateGeometries();
    // The vertical scroll bar comes and goes with the view's height and the rows.
    fitColumns();
}

void ReportGridView::fitColumns() {
    const ReportGrid& grid = model_->grid();
    if (grid.columnCount() <= 0)
        return;
    // The sheet is as wide as the view leaves room for when nothing scrolls:
    // a vertical scroll bar would push its last column under the bar and add
    // a horizontal one. The widest column gives up the bar's width instead,
    // on screen only; paper keeps the sheet's widths.
    const int room = viewport()->width();
    const int bar = verticalScrollBar()->isVisibleTo(this) ? verticalScrollBar()->width() : 0;
    const int excess = grid.totalWidth() - room;
    int widest = 0;
    for (int c = 1; c < grid.columnCount(); ++c)
        if (grid.columnWidth(c) > grid.columnWidth(widest))
            widest = c;
    const int squeeze =
        excess > 0 && excess <= bar ? std::min(excess, grid.columnWidth(widest) - 1) : 0;
    QHeaderView* header = horizontalHeader();
    for (int c = 0; c < grid.columnCount(); ++c) {
        const int width = grid.columnWidth(c) - (c == widest ? squeeze : 0);
        if (header->sectionSize(c) != width)
            header->resizeSection(c, width);
    }
}

} // namespace korvane
