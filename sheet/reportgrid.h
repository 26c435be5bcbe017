// SPDX-License-Identifier: MIT
#pragma once

#include "reportcell.h"

#include <optional>
#include <string>
#include <vector>

namespace korvane {

// A rectangle of cells, first and last row and column included. A range given
// to the grid has its last row and column cut to the grid's end; a range whose
// first row or column lies outside the grid, or that ends before it starts,
// changes nothing.
struct CellRange {
    int firstRow = 0;
    int firstColumn = 0;
    int lastRow = 0;
    int lastColumn = 0;

    CellRange() = default;
    // One cell.
    CellRange(int row, int column) : CellRange(row, column, row, column) {}
    CellRange(int firstRow_, int firstColumn_, int lastRow_, int lastColumn_)
        : firstRow(firstRow_), firstColumn(firstColumn_), lastRow(lastRow_),
          lastColumn(lastColumn_) {}

    bool contains(int row, int column) const {
        return row >= firstRow && row <= lastRow && column >= firstColumn && column <= lastColumn;
    }
    bool operator==(const CellRange&) const = default;
};

// The report sheet: cells with their formats, row heights and column widths in
// pixels, merged ranges and print settings. The window shows it, the printer
// draws it and the spreadsheet export reads it; nothing here knows a window.
class ReportGrid {
  public:
    enum class LineType { None, Horizontal, Vertical, Both };

    // Print settings in tenths of a millimetre, by their index (1 to 7).
    enum PrintSetting {
        LeftMargin = 1,
        RightMargin,
        TopMargin,
        BottomMargin,
        PageHeader,
        PageFooter,
        HeaderGap, // between the page header and the table
    };
    static constexpr int kPrintSettingCount = 7;

    // Cells never formatted take `defaultFontFace` (GBK) at `defaultFontSize`
    // pixels: the desktop's message font.
    explicit ReportGrid(std::string defaultFontFace = defaultMessageFontFace(),
                        int defaultFontSize = 12);

    // 宋体 in GBK, the face of the program's dialogs.
    static std::string defaultMessageFontFace();

    // Size. New rows and columns are empty, unformatted and of the default
    // size; cells, sizes and merges beyond a smaller size are dropped.
    int rowCount() const { return rowCount_; }
    int columnCount() const { return columnCount_; }
    void setRowCount(int rows);
    void setColumnCount(int columns);
    // A new empty last row with the height row 0 has now; returns its index.
    int appendRow();

    int headerRowCount() const { return headerRowCount_; }
    int headerColumnCount() const { return headerColumnCount_; }
    void setHeaderRowCount(int rows) { headerRowCount_ = rows; }
    void setHeaderColumnCount(int columns) { headerColumnCount_ = columns; }

    int defaultRowHeight() const { return defaultRowHeight_; }
    int defaultColumnWidth() const { return defaultColumnWidth_; }
    void setDefaultRowHeight(int pixels) { defaultRowHeight_ = pixels; }
    void setDefaultColumnWidth(int pixels) { defaultColumnWidth_ = pixels; }

    RgbColor lineColor() const { return lineColor_; }
    int lineWidth() const { return lineWidth_; }
    LineType lineType() const { return lineType_; }
    RgbColor backgroundColor() const { return backgroundColor_; }
    RgbColor textColor() const { return textColor_; }
    RgbColor focusTextColor() const { return focusTextColor_; }
    void setLineColor(RgbColor color) { lineColor_ = color; }
    void setLineWidth(int pixels) { lineWidth_ = pixels; }
    void setLineType(LineType type) { lineType_ = type; }
    void setBackgroundColor(RgbColor color) { backgroundColor_ = color; }
    void setTextColor(RgbColor color) { textColor_ = color; }
    void setFocusTextColor(RgbColor color) { focusTextColor_ = color; }

    bool isEditable() const { return editable_; }
    void setEditable(bool editable) { editable_ = editable; }

    // The cell as stored; a cell outside the grid reads as an unformatted empty one.
    const ReportCell& cell(int row, int column) const;

    std::string text(int row, int column) const { return cell(row, column).text; }
    void setText(int row, int column, std::string text);

    std::string fontFace(int row, int column) const { return cell(row, column).fontFace; }
    // Always positive or zero.
    int fontSize(int row, int column) const;
    unsigned styleFlags(int row, int column) const { return cell(row, column).styleFlags; }
    // The grid's colours where the cell has none of its own.
    RgbColor textColor(int row, int column) const;
    RgbColor backgroundColor(int row, int column) const;
    HorizontalAlignment alignment(int row, int column) const { return cell(row, column).alignment; }
    bool wordWrap(int row, int column) const { return cell(row, column).wordWrap; }

    void setFontFace(const CellRange& range, const std::string& face);
    void setFontSize(const CellRange& range, int pixels);
    void setStyleFlags(const CellRange& range, unsigned flags);
    void setTextColor(const CellRange& range, RgbColor color);
    void setBackgroundColor(const CellRange& range, RgbColor color);
    void setAlignment(const CellRange& range, HorizontalAlignment alignment);
    void setWordWrap(const CellRange& range, bool wrap);

    // Sizes in pixels; an index outside the grid reads the default and sets nothing.
    int rowHeight(int row) const;
    int columnWidth(int column) const;
    void setRowHeight(int row, int pixels);
    void setColumnWidth(int column, int pixels);
    // Sum of the rows' heights / the columns' widths.
    int totalHeight() const;
    int totalWidth() const;

    // Joins the range into one cell whose top-left cell's text and format fill
    // it; merges it overlaps are undone first. A range of one cell joins nothing.
    void merge(const CellRange& range);
    const std::vector<CellRange>& merges() const { return merges_; }
    // The merged range holding the cell; none for a cell outside every merge.
    std::optional<CellRange> mergeAt(int row, int column) const;
    // The width of the columns / the height of the rows of the merged range at
    // the cell; the cell's own column width / row height outside every merge.
    int mergedWidth(int row, int column) const;
    int mergedHeight(int row, int column) const;

    // Tenths of a millimetre; an index outside 1 to 7 reads 0 and sets nothing.
    int printSetting(int index) const;
    void setPrintSetting(int index, int value);

  private:
    // The range cut to the grid; none when nothing of it lies inside.
    std::optional<CellRange> clip(const CellRange& range) const;
    template <typename Change> void forEachCell(const CellRange& range, Change change);
    ReportCell& at(int row, int column) { return cells_[size_t(row) * columnCount_ + column]; }
    void resize(int rows, int columns);

    int rowCount_ = 0;
    int columnCount_ = 0;
    int headerRowCount_ = 0;
    int headerColumnCount_ = 0;
    int defaultRowHeight_ = 25;
    int defaultColumnWidth_ = 50;
    RgbColor lineColor_{};
    int lineWidth_ = 1;
    LineType lineType_ = LineType::Both;
    RgbColor backgroundColor_{255, 255, 255};
    RgbColor textColor_{};
    RgbColor focusTextColor_{};
    bool editable_ = true;
    ReportCell blank_; // what a cell is before any format

    std::vector<ReportCell> cells_; // row by row
    // Per row and column: the size set, or none for the default.
    std::vector<std::optional<int>> rowHeights_;
    std::vector<std::optional<int>> columnWidths_;
    std::vector<CellRange> merges_;
    int printSettings_[kPrintSettingCount] = {40, 40, 20, 20, 60, 60, 20};
};

} // namespace korvane
