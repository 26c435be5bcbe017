// SPDX-License-Identifier: MIT
#include "reportgrid.h"

#include "gbkcodec.h"

#include <algorithm>
#include <cstdlib>

namespace korvane {

ReportGrid::ReportGrid(std::string defaultFontFace, int defaultFontSize) {
    blank_.fontFace = std::move(defaultFontFace);
    blank_.fontSize = defaultFontSize;
}

std::string ReportGrid::defaultMessageFontFace() {
    static const std::string songti = utf8ToGbk("宋体");
    return songti;
}

void ReportGrid::resize(int rows, int columns) {
    rows = std::max(rows, 0);
    columns = std::max(columns, 0);
    if (columns == columnCount_) {
        cells_.resize(size_t(rows) * columns, blank_);
    } else {
        std::vector<ReportCell> cells(size_t(rows) * columns, blank_);
        for (int r = 0; r < std::min(rows, rowCount_); ++r)
            for (int c = 0; c < std::min(columns, columnCount_); ++c)
                cells[size_t(r) * columns + c] = std::move(at(r, c));
        cells_ = std::move(cells);
    }
    rowCount_ = rows;
    columnCount_ = columns;
    rowHeights_.resize(size_t(rows));
    columnWidths_.resize(size_t(columns));
    // Merges are cut to the new size; one left with a single cell joins nothing.
    std::vector<CellRange> kept;
    for (const CellRange& range : merges_)
        if (std::optional<CellRange> cut = clip(range))
            if (cut->firstRow != cut->lastRow || cut->firstColumn != cut->lastColumn)
                kept.push_back(*cut);
    merges_ = std::move(kept);
}

void ReportGrid::setRowCount(int rows) {
    resize(rows, columnCount_);
}

void ReportGrid::setColumnCount(int columns) {
    resize(rowCount_, columns);
}

int ReportGrid::appendRow() {
    const std::optional<int> firstHeight = rowCount_ > 0 ? rowHeights_[0] : std::nullopt;
    resize(rowCount_ + 1, columnCount_);
    rowHeights_.back() = firstHeight;
    return rowCount_ - 1;
}

const ReportCell& ReportGrid::cell(int row, int column) const {
    if (row < 0 || row >= rowCount_ || column < 0 || column >= columnCount_)
        return blank_;
    return cells_[size_t(row) * columnCount_ + column];
}

void ReportGrid::setText(int row, int column, std::string text) {
    if (row >= 0 && row < rowCount_ && column >= 0 && column < columnCount_)
        at(row, column).text = std::move(text);
}

int ReportGrid::fontSize(int row, int column) const {
    return std::abs(cell(row, column).fontSize);
}

RgbColor ReportGrid::textColor(int row, int column) const {
    return cell(row, column).textColor.value_or(textColor_);
}

RgbColor ReportGrid::backgroundColor(int row, int column) const {
    return cell(row, column).backgroundColor.value_or(backgroundColor_);
}

std::optional<CellRange> ReportGrid::clip(const CellRange& range) const {
    if (range.firstRow < 0 || range.firstRow >= rowCount_ || range.firstColumn < 0 ||
        range.firstColumn >= columnCount_)
        return std::nullopt;
    CellRange cut = range;
    cut.lastRow = std::min(cut.lastRow, rowCount_ - 1);
    cut.lastColumn = std::min(cut.lastColumn, columnCount_ - 1);
    if (cut.lastRow < cut.firstRow || cut.lastColumn < cut.firstColumn)
        return std::nullopt;
    return cut;
}

template <typename Change> void ReportGrid::forEachCell(const CellRange& range, Change change) {
    if (std::optional<CellRange> cut = clip(range))
        for (int r = cut->firstRow; r <= cut->lastRow; ++r)
            for (int c = cut->firstColumn; c <= cut->lastColumn; ++c)
                change(at(r, c));
}

void ReportGrid::setFontFace(const CellRange& range, const std::string& face) {
    forEachCell(range, [&](ReportCell& cell) { cell.fontFace = face; });
}

void ReportGrid::setFontSize(const CellRange& range, int pixels) {
    forEachCell(range, [&](ReportCell& cell) { cell.fontSize = pixels; });
}

void ReportGrid::setStyleFlags(const CellRange& range, unsigned flags) {
    forEachCell(range, [&](ReportCell& cell) { cell.styleFlags = flags; });
}

void ReportGrid::setTextColor(const CellRange& range, RgbColor color) {
    forEachCell(range, [&](ReportCell& cell) { cell.textColor = color; });
}

void ReportGrid::setBackgroundColor(const CellRange& range, RgbColor color) {
    forEachCell(range, [&](ReportCell& cell) { cell.backgroundColor = color; });
}

void ReportGrid::setAlignment(const CellRange& range, HorizontalAlignment alignment) {
    forEachCell(range, [&](ReportCell& cell) { cell.alignment = alignment; });
}

void ReportGrid::setWordWrap(const CellRange& range, bool wrap) {
    forEachCell(range, [&](ReportCell& cell) { cell.wordWrap = wrap; });
}

int ReportGrid::rowHeight(int row) const {
    if (row < 0 || row >= rowCount_)
        return defaultRowHeight_;
    return rowHeights_[size_t(row)].value_or(defaultRowHeight_);
}

int ReportGrid::columnWidth(int column) const {
    if (column < 0 || column >= columnCount_)
        return defaultColumnWidth_;
    return columnWidths_[size_t(column)].value_or(defaultColumnWidth_);
}

void ReportGrid::setRowHeight(int row, int pixels) {
    if (row >= 0 && row < rowCount_)
        rowHeights_[size_t(row)] = pixels;
}

void ReportGrid::setColumnWidth(int column, int pixels) {
    if (column >= 0 && column < columnCount_)
        columnWidths_[size_t(column)] = pixels;
}

int ReportGrid::totalHeight() const {
    int sum = 0;
    for (int r = 0; r < rowCount_; ++r)
        sum += rowHeight(r);
    return sum;
}

int ReportGrid::totalWidth() const {
    int sum = 0;
    for (int c = 0; c < columnCount_; ++c)
        sum += columnWidth(c);
    return sum;
}

void ReportGrid::merge(const CellRange& range) {
    std::optional<CellRange> cut = clip(range);
    if (!cut || (cut->firstRow == cut->lastRow && cut->firstColumn == cut->lastColumn))
        return;
    std::erase_if(merges_, [&](const CellRange& old) {
        return old.firstRow <= cut->lastRow && cut->firstRow <= old.lastRow &&
               old.firstColumn <= cut->lastColumn && cut->firstColumn <= old.lastColumn;
    });
    merges_.push_back(*cut);
}

std::optional<CellRange> ReportGrid::mergeAt(int row, int column) const {
    for (const CellRange& range : merges_)
        if (range.contains(row, column))
            return range;
    return std::nullopt;
}

int ReportGrid::mergedWidth(int row, int column) const {
    const std::optional<CellRange> range = mergeAt(row, column);
    if (!range)
        return columnWidth(column);
    int sum = 0;
    for (int c = range->firstColumn; c <= range->lastColumn; ++c)
        sum += columnWidth(c);
    return sum;
}

int ReportGrid::mergedHeight(int row, int column) const {
    const std::optional<CellRange> range = mergeAt(row, column);
    if (!range)
        return rowHeight(row);
    int sum = 0;
    for (int r = range->firstRow; r <= range->lastRow; ++r)
        sum += rowHeight(r);
    return sum;
}

int ReportGrid::printSetting(int index) const {
    return index >= 1 && index <= kPrintSettingCount ? printSettings_[index - 1] : 0;
}

void ReportGrid::setPrintSetting(int index, int value) {
    if (index >= 1 && index <= kPrintSettingCount)
        printSettings_[index - 1] = value;
}

} // namespace korvane
