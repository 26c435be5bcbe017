// SPDX-License-Identifier: MIT
#include "summarylist.h"

#include "gbkstring.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QSignalBlocker>
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

// A cell whose bytes are not all GBK (a list file damaged, or written by
// another program) shows U+FFFD where they fail, which would go back to the
// file as "?". Such a cell keeps its bytes here, so that a list the user did
// not touch reads and saves byte for byte, and is never taken for changed.
constexpr int kBytesRole = Qt::UserRole + 1;

void setCellBytes(QTableWidgetItem* cell, const std::string& gbk) {
    const QString text = fromGbk(gbk);
    cell->setData(kBytesRole,
                  toGbk(text) == gbk ? QVariant() : QVariant(QByteArray::fromStdString(gbk)));
    cell->setText(text);
}

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
    auto* cell = new QTableWidgetItem;
    setCellBytes(cell, gbk);
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

void SummaryList::repaintAll() {
    viewport()->update();
}

void SummaryList::setLines(const std::vector<SummaryItem>& lines) {
    QScopedValueRollback own(ownChange_, true);
    setRowCount(0);
    setRowCount(int(lines.size()));
    {
        // The view learnt of the new rows above; it reads their cells when it
        // paints, so a signal for each new cell would only cost time.
        const QSignalBlocker quiet(model());
        for (int row = 0; row < rowCount(); ++row) {
            for (int column = 0; column < SummaryItem::kColumnCount; ++column)
                setItem(row, column, makeCell(column, lines[row].cells[column]));
        }
    }
    repaintAll();
}

void SummaryList::removeCheckedLines() {
    QScopedValueRollback own(ownChange_, true);
    const int count = rowCount();
    const QModelIndex current = currentIndex();
    const int selected = selectedRow();
    // The rows kept, moved up over the deleted ones: kept[r] is the new row of
    // row r, -1 for a deleted row.
    std::vector<int> kept(size_t(count), -1);
    int next = 0;
    {
        const QSignalBlocker quiet(model());
        for (int row = 0; row < count; ++row) {
            if (isChecked(row)) {
                for (int column = 0; column < columnCount(); ++column)
                    delete takeItem(row, column);
                continue;
            }
            if (next != row) {
                for (int column = 0; column < columnCount(); ++column)
                    setItem(next, column, takeItem(row, column));
            }
            kept[size_t(row)] = next++;
        }
    }
    // The highlight is put back below; until then none of it may follow the
    // rows going away at the end.
    selectionModel()->clear();
    setRowCount(next);
    repaintAll();

    if (!current.isValid() || next == 0)
        return;
    const int row = current.row();
    if (kept[size_t(row)] >= 0) {
        // The current cell stays on its line, and the view stays where it was.
        const bool scrolls = hasAutoScroll();
        setAutoScroll(false);
        const QModelIndex moved = model()->index(kept[size_t(row)], current.column());
        selectionModel()->setCurrentIndex(moved, QItemSelectionModel::NoUpdate);
        if (selected >= 0 && kept[size_t(selected)] >= 0)
            selectionModel()->select(model()->index(kept[size_t(selected)], 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
        setAutoScroll(scrolls);
        return;
    }
    // Its line was deleted: the nearest line kept below it, else above it,
    // becomes current and highlighted, and is scrolled to.
    int to = -1;
    for (int below = row + 1; below < count && to < 0; ++below)
        to = kept[size_t(below)];
    for (int above = row - 1; above >= 0 && to < 0; --above)
        to = kept[size_t(above)];
    setCurrentIndex(model()->index(to, current.column()));
}

void SummaryList::setColumnTexts(int column, const std::function<std::string(int row)>& text) {
    {
        const QSignalBlocker quiet(model());
        for (int row = 0; row < rowCount(); ++row)
            setCellText(row, column, text(row));
    }
    repaintAll();
}

std::string SummaryList::cellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    if (cell == nullptr)
        return {};
    const QVariant bytes = cell->data(kBytesRole);
    return bytes.isValid() ? bytes.toByteArray().toStdString() : toGbk(cell->text());
}

void SummaryList::setCellText(int row, int column, const std::string& gbk) {
    if (QTableWidgetItem* cell = item(row, column))
        setCellBytes(cell, gbk);
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
