// SPDX-License-Identifier: MIT
#include "summarylist.h"

#include "gbkstring.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <array>

namespace korvane {
namespace {

struct ColumnSpec {
    const char* header;
    int width;
    Qt::Alignment alignment;
};

// The number column reads from the left like a list's first column; the
// others are centred, and each header is aligned like its column.
constexpr std::array<ColumnSpec, SummaryItem::kColumnCount> kColumns{{
    {"序号", 40, Qt::AlignLeft},
    {"材料名称", 85, Qt::AlignHCenter},
    {"规格型号", 140, Qt::AlignHCenter},
    {"理论重量", 90, Qt::AlignHCenter},
    {"数量", 70, Qt::AlignHCenter},
    {"重量(Kg)", 70, Qt::AlignHCenter},
}};

constexpr int kRowHeight = 18;

} // namespace

SummaryList::SummaryList(QWidget* parent) : QTableWidget(parent) {
    setColumnCount(SummaryItem::kColumnCount);
    for (int column = 0; column < SummaryItem::kColumnCount; ++column) {
        const ColumnSpec& spec = kColumns[column];
        auto* header = new QTableWidgetItem(QString::fromUtf8(spec.header));
        header->setTextAlignment(spec.alignment | Qt::AlignVCenter);
        setHorizontalHeaderItem(column, header);
        setColumnWidth(column, spec.width);
    }
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setSortingEnabled(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setStretchLastSection(false);
    // Enter and Tab belong to the page's focus cycle; the list takes the focus
    // only when clicked or when a moved row is shown.
    setFocusPolicy(Qt::ClickFocus);

    QPalette colors = palette();
    colors.setColor(QPalette::Text, Qt::black);
    colors.setColor(QPalette::Base, Qt::white);
    setPalette(colors);

    connect(model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex&, const QList<int>& roles) {
                if (!ownChange_ && roles.contains(Qt::CheckStateRole))
                    emit checkMarkChanged(topLeft.row());
            });
}

QTableWidgetItem* SummaryList::makeCell(int column, const std::string& gbk) const {
    auto* cell = new QTableWidgetItem(fromGbk(gbk));
    cell->setTextAlignment(kColumns[column].alignment | Qt::AlignVCenter);
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (column == 0) {
        flags |= Qt::ItemIsUserCheckable;
        cell->setCheckState(Qt::Unchecked);
    }
    cell->setFlags(flags);
    return cell;
}

void SummaryList::insertLine(int row, const SummaryItem& line) {
    QScopedValueRollback own(ownChange_, true);
    insertRow(row);
    for (int column = 0; column < SummaryItem::kColumnCount; ++column)
        setItem(row, column, makeCell(column, line.cells[column]));
}

SummaryItem SummaryList::line(int row) const {
    SummaryItem line;
    for (int column = 0; column < SummaryItem::kColumnCount; ++column)
        line.cells[column] = cellText(row, column);
    return line;
}

std::vector<SummaryItem> SummaryList::lines() const {
    std::vector<SummaryItem> all;
    all.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row)
        all.push_back(line(row));
    return all;
}

void SummaryList::setLines(const std::vector<SummaryItem>& lines) {
    QScopedValueRollback own(ownChange_, true);
    setRowCount(0);
    setRowCount(int(lines.size()));
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < SummaryItem::kColumnCount; ++column)
            setItem(row, column, makeCell(column, lines[row].cells[column]));
    }
}

std::string SummaryList::cellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? toGbk(cell->text()) : std::string();
}

void SummaryList::setCellText(int row, int column, const std::string& gbk) {
    if (QTableWidgetItem* cell = item(row, column))
        cell->setText(fromGbk(gbk));
}

bool SummaryList::isChecked(int row) const {
    const QTableWidgetItem* cell = item(row, 0);
    return cell != nullptr && cell->checkState() == Qt::Checked;
}

void SummaryList::setChecked(int row, bool checked) {
    QScopedValueRollback own(ownChange_, true);
    if (QTableWidgetItem* cell = item(row, 0))
        cell->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

int SummaryList::selectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

int SummaryList::columnAtX(int x) const {
    const QHeaderView* header = horizontalHeader();
    int start = 0;
    int last = -1;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (header->isSectionHidden(logical))
            continue;
        const int end = start + header->sectionSize(logical);
        if (x >= start && x < end)
            return logical;
        last = logical;
        start = end;
    }
    // The right edge of the last column still belongs to it.
    return x == start ? last : -1;
}

void SummaryList::mousePressEvent(QMouseEvent* event) {
    QTableWidget::mousePressEvent(event);
    // A click in the free area leaves no row highlighted, so that a double
    // click there copies nothing of the row highlighted before.
    if (!indexAt(event->position().toPoint()).isValid())
        clearSelection();
}

void SummaryList::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClickedAt(event->position().toPoint());
}

} // namespace korvane
