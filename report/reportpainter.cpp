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
    const QRectF inner = rect.adjusted(kTextPadding, 1, -kTextPadding, -1);
    if (text.empty() || inner.width() <= 0 || inner.height() <= 0)
        return;
    painter.setFont(cellFont(grid, row, column));
    painter.setPen(textColor.value_or(color(grid.textColor(row, column))));
    const QString shown = fromGbk(text);
    const TextFit fit =
        fitText(painter, inner, shown, grid.alignment(row, column), grid.wordWrap(row, column));
    // Text is clipped to the cell, never drawn over its neighbours.
    if (fit.scale == 1.0) {
        painter.drawText(fit.rect.translated(inner.topLeft()), shown, fit.option);
        return;
    }
    const QTransform before = painter.transform();
    painter.translate(inner.topLeft());
    painter.scale(fit.scale, fit.scale);
    painter.drawText(fit.rect, shown, fit.option);
    painter.setTransform(before);
}

ReportPainter::TextFit ReportPainter::fitText(QPainter& painter, const QRectF& inner,
                                              const QString& text, HorizontalAlignment alignment,
                                              bool wordWrap) {
    TextFit fit;
    fit.option.setAlignment(Qt::Alignment(alignmentFlags(alignment)) |
                            (wordWrap ? Qt::AlignTop : Qt::AlignVCenter));
    fit.option.setWrapMode(wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                    : QTextOption::NoWrap);
    // Whether the text, drawn at `scale`, stays inside `inner`: laid out in
    // the space that scale leaves it, a wrapped text takes fewer lines.
    auto fits = [&](double scale) {
        const QRectF used = painter.boundingRect(
            QRectF(0, 0, inner.width() / scale, inner.height() / scale), text, fit.option);
        constexpr double kSlack = 0.01;
        return used.width() * scale <= inner.width() + kSlack &&
               used.height() * scale <= inner.height() + kSlack;
    };
    double scale = 1.0;
    if (!fits(scale)) {
        // On one line the text fits at the scale its width and height give.
        QTextOption oneLine = fit.option;
        oneLine.setWrapMode(QTextOption::NoWrap);
        const QRectF line = painter.boundingRect(inner, text, oneLine);
        double least =
            std::min({1.0, inner.width() / line.width(), inner.height() / line.height()});
        while (!fits(least) && least > 1e-3)
            least *= 0.9;
        // A wrapped text may fit larger on more lines: the largest scale
        // that fits, to a fraction of a percent.
        double most = 1.0;
        if (wordWrap) {
            for (int step = 0; step < 10; ++step) {
                const double middle = (least + most) / 2;
                (fits(middle) ? least : most) = middle;
            }
        }
        scale = least;
    }
    fit.scale = scale;
    fit.rect = QRectF(0, 0, inner.width() / scale, inner.height() / scale);
    return fit;
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
    strokeLines(painter, lines, grid);
}

void ReportPainter::strokeLines(QPainter& painter, const std::vector<QLineF>& lines,
                                const ReportGrid& grid) {
    if (lines.empty())
        return;
    QPen pen = linePen(grid);
    painter.setPen(pen);
    painter.drawLines(lines.data(), int(lines.size()));
    // The preview draws a page smaller than paper: there a line of the
    // sheet's width can come out thinner than a screen pixel and vanish. A
    // one-pixel line along it, one pixel wide on whatever device draws it,
    // keeps every line in sight; where the line is wider it lies inside it.
    pen.setCosmetic(true);
    pen.setWidth(1);
    painter.setPen(pen);
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

QMarginsF ReportPainter::tableMargins(const ReportGrid& grid) {
    return QMarginsF(
        grid.printSetting(ReportGrid::LeftMargin),
        grid.printSetting(ReportGrid::TopMargin) + grid.printSetting(ReportGrid::PageHeader) +
            grid.printSetting(ReportGrid::HeaderGap),
        grid.printSetting(ReportGrid::RightMargin),
        grid.printSetting(ReportGrid::BottomMargin) + grid.printSetting(ReportGrid::PageFooter));
}

QSizeF ReportPainter::tableRoom(const QMarginsF& margins, const QSizeF& paper) {
    return {paper.width() - margins.left() - margins.right(),
            paper.height() - margins.top() - margins.bottom()};
}

QMarginsF ReportPainter::fitMargins(const QMarginsF& margins, const QSizeF& paper) {
    // Settings are never negative, but a negative one must not widen the table past the paper.
    auto fit = [](double before, double after, double length) {
        before = std::max(0.0, before);
        after = std::max(0.0, after);
        const double most = std::max(0.0, length - std::min<double>(kLeastTableRoom, length));
        if (before + after > most) {
            const double share = most / (before + after);
            before *= share;
            after *= share;
        }
        return std::pair(before, after);
    };
    const auto [left, right] = fit(margins.left(), margins.right(), paper.width());
    const auto [top, bottom] = fit(margins.top(), margins.bottom(), paper.height());
    return {left, top, right, bottom};
}

QRectF ReportPainter::tableArea(const QPrinter& printer, const ReportGrid& grid) {
    const QRectF paper = printer.pageLayout().fullRectPixels(printer.resolution());
    // Print settings are tenths of a millimetre.
    const double dots = printer.resolution() / 254.0;
    const QMarginsF margins = fitMargins(tableMargins(grid), paper.size() / dots);
    return paper.marginsRemoved(margins * dots);
}

double ReportPainter::scale(const QRectF& tableArea, const ReportGrid& grid) {
    const int width = grid.totalWidth();
    if (width <= 0 || tableArea.width() <= 0)
        return 1.0;
    int tallest = 0;
    for (int r = 0; r < grid.rowCount(); ++r)
        tallest = std::max(tallest, grid.rowHeight(r));
    const double widthScale = tableArea.width() / width;
    return tallest > 0 && tableArea.height() > 0
               ? std::min(widthScale, tableArea.height() / tallest)
               : widthScale;
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
    // the page's lines go in one stroke, far quicker than one per cell. They
    // are cut to the page's rows here rather than by the clip: a preview
    // drawn small rounds the clip's edge and the table's outer lines beside
    // it apart, and loses them.
    painter.setClipping(false);
    std::erase_if(lines, [bottom = top](QLineF& line) {
        if (line.y1() == line.y2())
            return line.y1() < 0 || line.y1() > bottom;
        line.setLine(line.x1(), std::clamp(line.y1(), 0.0, bottom), line.x2(),
                     std::clamp(line.y2(), 0.0, bottom));
        return line.y1() == line.y2();
    });
    strokeLines(painter, lines, grid);
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
