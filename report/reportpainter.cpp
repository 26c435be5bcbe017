// SPDX-License-Identifier: MIT
#include "reportpainter.h"

#include "gbkstring.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <map>
#include <tuple>

namespace korvane {
namespace {

// Text keeps this far (sheet pixels) from the cell's left and right lines.
constexpr double kTextPadding = 2.0;

int alignmentFlags(HorizontalAlignment alignment) {
    switch (alignment) {
    case HorizontalAlignment::Center:
        return Qt::AlignHCenter;
    case HorizontalAlignment::Right:
        return Qt::AlignRight;
    case HorizontalAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

QFont ReportPainter::cellFont(const ReportGrid& grid, int row, int column) {
    const ReportCell& cell = grid.cell(row, column);
    // A report uses a handful of fonts for thousands of cells: build each
    // once. Qt shares a copied font's data.
    static thread_local std::map<std::tuple<std::string, int, unsigned>, QFont> made;
    const auto key = std::tuple(cell.fontFace, grid.fontSize(row, column), cell.styleFlags);
    if (auto found = made.find(key); found != made.end())
        return found->second;
    QFont font(fromGbk(cell.fontFace));
    font.setPixelSize(std::max(1, grid.fontSize(row, column)));
    font.setBold((cell.styleFlags & Bold) != 0);
    font.setItalic((cell.styleFlags & Italic) != 0);
    font.setUnderline((cell.styleFlags & Underline) != 0);
    font.setStrikeOut((cell.styleFlags & StrikeThrough) != 0);
    // The same glyph shapes at every scale: on paper the sheet is scaled.
    font.setHintingPreference(QFont::PreferNoHinting);
    made.emplace(key, font);
    return font;
}

void ReportPainter::paintCell(QPainter& painter, const QRectF& rect, const ReportGrid& grid,
                              int row, int column, std::optional<QColor> textColor) {
    painter.fillRect(rect, color(grid.backgroundColor(row, column)));
    const std::string& text = grid.cell(row, column).text;
    if (text.empty())
        return;
    painter.setFont(cellFont(grid, row, column));
    painter.setPen(textColor.value_or(color(grid.textColor(row, column))));
    int flags = alignmentFlags(grid.alignment(row, column));
    flags |= grid.wordWrap(row, column) ? Qt::AlignTop | Qt::TextWordWrap
                                        : Qt::AlignVCenter | Qt::TextSingleLine;
    const QRectF inner = rect.adjusted(kTextPadding, 1, -kTextPadding, -1);
    // Text that does not fit is clipped to the cell, never drawn over its neighbours.
    painter.drawText(inner, flags, fromGbk(text));
}

QPen ReportPainter::linePen(const ReportGrid& grid) {
    QPen pen(color(grid.lineColor()), grid.lineWidth());
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

void ReportPainter::addLines(std::vector<QLineF>& lines, const QRectF& rect, const ReportGrid& grid,
                             bool top, bool left) {
    const ReportGrid::LineType type = grid.lineType();
    const int width = grid.lineWidth();
    if (type == ReportGrid::LineType::None || width <= 0)
        return;
    const bool horizontal =
        type == ReportGrid::LineType::Horizontal || type == ReportGrid::LineType::Both;
    const bool vertical =
        type == ReportGrid::LineType::Vertical || type == ReportGrid::LineType::Both;
    const double half = width / 2.0;
    const QRectF inside = rect.adjusted(half, half, -half, -half);
    if (horizontal) {
        lines.emplace_back(inside.left(), inside.bottom(), inside.right(), inside.bottom());
        if (top)
            lines.emplace_back(inside.left(), inside.top(), inside.right(), inside.top());
    }
    if (vertical) {
        lines.emplace_back(inside.right(), inside.top(), inside.right(), inside.bottom());
        if (left)
            lines.emplace_back(inside.left(), inside.top(), inside.left(), inside.bottom());
    }
}

void ReportPainter::paintLines(QPainter& painter, const QRectF& rect, const ReportGrid& grid,
                               bool top, bool left) {
    std::vector<QLineF> lines;
    addLines(lines, rect, grid, top, left);
    if (lines.empty())
        return;
    painter.setPen(linePen(grid));
    painter.drawLines(lines.data(), int(lines.size()));
}

std::vector<ReportPainter::PageRows> ReportPainter::paginate(const ReportGrid& grid,
                                                             double pageHeight) {
    std::vector<PageRows> pages;
    PageRows page{0, -1};
    double used = 0;
    for (int r = 0; r < grid.rowCount(); ++r) {
        const int height = grid.rowHeight(r);
        if (page.last >= page.first && used + height > pageHeight) {
            pages.push_back(page);
            page = {r, r - 1};
            used = 0;
        }
        page.last = r;
        used += height;
    }
    pages.push_back(page);
    return pages;
}

QRectF ReportPainter::tableArea(const QPrinter& printer, const ReportGrid& grid) {
    const QRectF paper = printer.pageLayout().fullRectPixels(printer.resolution());
    // Print settings are tenths of a millimetre.
    const double dots = printer.resolution() / 254.0;
    auto setting = [&](int index) { return grid.printSetting(index) * dots; };
    return paper.adjusted(setting(ReportGrid::LeftMargin),
                          setting(ReportGrid::TopMargin) + setting(ReportGrid::PageHeader) +
                              setting(ReportGrid::HeaderGap),
                          -setting(ReportGrid::RightMargin),
                          -(setting(ReportGrid::BottomMargin) + setting(ReportGrid::PageFooter)));
}

double ReportPainter::scale(const QRectF& tableArea, const ReportGrid& grid) {
    const int width = grid.totalWidth();
    return width > 0 && tableArea.width() > 0 ? tableArea.width() / width : 1.0;
}

std::vector<ReportPainter::PageRows> ReportPainter::pages(const QPrinter& printer,
                                                          const ReportGrid& grid) {
    const QRectF area = tableArea(printer, grid);
    return paginate(grid, area.height() / scale(area, grid));
}

void ReportPainter::paintPage(QPainter& painter, const QRectF& tableArea, const ReportGrid& grid,
                              const PageRows& rows) {
    if (rows.last < rows.first)
        return;
    const double s = scale(tableArea, grid);
    painter.save();
    painter.translate(tableArea.topLeft());
    painter.scale(s, s);
    painter.setClipRect(QRectF(0, 0, grid.totalWidth(), tableArea.height() / s));

    std::vector<double> columnLeft(size_t(grid.columnCount()) + 1, 0.0);
    for (int c = 0; c < grid.columnCount(); ++c)
        columnLeft[size_t(c) + 1] = columnLeft[size_t(c)] + grid.columnWidth(c);
    // The top of any row, measured from the page's first row: a range merged
    // down from a row above the page starts above the page and is clipped.
    auto rowTop = [&](int row) {
        double y = 0;
        for (int r = rows.first; r < row; ++r)
            y += grid.rowHeight(r);
        for (int r = row; r < rows.first; ++r)
            y -= grid.rowHeight(r);
        return y;
    };

    std::vector<QLineF> lines;
    double top = 0;
    for (int r = rows.first; r <= rows.last; ++r) {
        const double height = grid.rowHeight(r);
        for (int c = 0; c < grid.columnCount(); ++c) {
            int anchorRow = r;
            int anchorColumn = c;
            QRectF rect(columnLeft[size_t(c)], top, grid.columnWidth(c), height);
            if (const std::optional<CellRange> merged = grid.mergeAt(r, c)) {
                // Drawn once per page, from its first row on this page.
                if (r != std::max(merged->firstRow, rows.first) || c != merged->firstColumn)
                    continue;
                anchorRow = merged->firstRow;
                anchorColumn = merged->firstColumn;
                const double mergedTop = rowTop(merged->firstRow);
                rect = QRectF(columnLeft[size_t(merged->firstColumn)], mergedTop,
                              columnLeft[size_t(merged->lastColumn) + 1] -
                                  columnLeft[size_t(merged->firstColumn)],
                              rowTop(merged->lastRow + 1) - mergedTop);
            }
            paintCell(painter, rect, grid, anchorRow, anchorColumn);
            addLines(lines, rect, grid, r == rows.first, anchorColumn == 0);
        }
        top += height;
    }
    // The lines of a cell stay inside it, where no other cell paints: all
    // the page's lines go in one stroke, far quicker than one per cell.
    if (!lines.empty()) {
        painter.setPen(linePen(grid));
        painter.drawLines(lines.data(), int(lines.size()));
    }
    painter.restore();
}

bool ReportPainter::paintPages(QPainter& painter, QPrinter& printer, const ReportGrid& grid,
                               const PageDone& pageDone) {
    const QRectF area = tableArea(printer, grid);
    const std::vector<PageRows> all = paginate(grid, area.height() / scale(area, grid));
    for (size_t i = 0; i < all.size(); ++i) {
        if (i > 0 && !printer.newPage())
            return false;
        paintPage(painter, area, grid, all[i]);
        if (pageDone)
            pageDone(int(i) + 1, int(all.size()));
    }
    return true;
}

ReportPainter::PrintResult ReportPainter::print(QPrinter& printer, const ReportGrid& grid,
                                                const PageDone& pageDone) {
    // The margins are the sheet's own print settings, measured from the paper's edge.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintResult::CannotOpen;
    const bool paged = paintPages(painter, printer, grid, pageDone);
    const bool ended = painter.end();
    if (!paged || !ended || printer.printerState() == QPrinter::Error)
        return PrintResult::Failed;
    return PrintResult::Printed;
}

} // namespace korvane
