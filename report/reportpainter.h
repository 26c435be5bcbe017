// SPDX-License-Identifier: MIT
#pragma once

#include "reportgrid.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QMarginsF>
#include <QPen>
#include <QRectF>
#include <QSizeF>
#include <QTextOption>
#include <functional>
#include <optional>
#include <vector>

class QPainter;
class QPrinter;

namespace korvane {

// Draws the report sheet: the grid view draws its cells with it, and printing
// and the print preview draw whole pages with it, so paper shows what the
// window shows.
class ReportPainter {
  public:
    enum class PrintResult {
        Printed,
        // The printer could not be opened.
        CannotOpen,
        // The printer was opened but a page or the job failed.
        Failed,
    };

    // The rows of one page, first and last included.
    struct PageRows {
        int first = 0;
        int last = -1;
        bool operator==(const PageRows&) const = default;
    };

    // The cell's font; the face is a Windows name that the program's font
    // substitutions map to an installed font.
    static QFont cellFont(const ReportGrid& grid, int row, int column);
    static QColor color(RgbColor rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

    // The cell's background and text in `rect` (sheet pixels); the text in
    // `textColor` when given, else in the cell's own colour. No character is
    // cut off: a wrapped text breaks into lines (between words where it can)
    // and, like a text on one line that is too long for its cell, shrinks
    // until it fits.
    static void paintCell(QPainter& painter, const QRectF& rect, const ReportGrid& grid, int row,
                          int column, std::optional<QColor> textColor = std::nullopt);

    // How a cell's text goes into the space `inner` with the painter's font:
    // laid out in `rect` (top-left at 0, 0) with `option`, then drawn at
    // `scale` from the top-left of `inner`.
    struct TextFit {
        QRectF rect;
        QTextOption option;
        double scale = 1.0;
    };
    static TextFit fitText(QPainter& painter, const QRectF& inner, const QString& text,
                           HorizontalAlignment alignment, bool wordWrap);
    // The grid lines of a cell (or merged range) at `rect`, as the grid's line
    // settings say, inside the rect: its right and bottom edges, and its top
    // and left edges where it starts the table (or the page).
    static void paintLines(QPainter& painter, const QRectF& rect, const ReportGrid& grid, bool top,
                           bool left);
    // The lines paintLines draws, added to `lines`, and the pen it draws them with.
    static void addLines(std::vector<QLineF>& lines, const QRectF& rect, const ReportGrid& grid,
                         bool top, bool left);
    static QPen linePen(const ReportGrid& grid);
    // Draws `lines` with the line pen, never thinner than one device pixel.
    static void strokeLines(QPainter& painter, const std::vector<QLineF>& lines,
                            const ReportGrid& grid);

    // Splits the rows into pages of at most `pageHeight` sheet pixels; a row
    // is never split, and a row taller than a page has a page to itself. A
    // grid without rows still prints one empty page.
    static std::vector<PageRows> paginate(const ReportGrid& grid, double pageHeight);

    // The least width and height the table keeps on the paper, in tenths of a
    // millimetre, or the paper's own width or height where that is less. At
    // 5 cm the sheet's 570 pixels are 0.09 mm each: its 12-pixel text is
    // still about a millimetre high, the finest a printer shows legibly, and
    // 5 cm of height hold at least a few rows even when a wide paper scales
    // the sheet up.
    static constexpr int kLeastTableRoom = 500;

    // How far the table keeps from the paper's edges, in tenths of a
    // millimetre: the left and right margins, above it the top margin, page
    // header and gap, below it the bottom margin and page footer.
    static QMarginsF tableMargins(const ReportGrid& grid);
    // The width and height the margins leave the table on `paper`, both in
    // tenths of a millimetre; less than nothing when they overlap.
    static QSizeF tableRoom(const QMarginsF& margins, const QSizeF& paper);
    // `margins` (tenths of a millimetre) as far as `paper` (tenths of a
    // millimetre) allows: where they leave the table less than its least
    // room, the two sides shrink in proportion until they leave exactly that.
    static QMarginsF fitMargins(const QMarginsF& margins, const QSizeF& paper);

    // Where the table goes on the paper (device pixels, full page): inside the
    // margins, below the page header and its gap, above the page footer;
    // margins too large for the paper are cut back as fitMargins says, so the
    // table always has room.
    static QRectF tableArea(const QPrinter& printer, const ReportGrid& grid);
    // Sheet pixels to device pixels: the sheet fills the table area's width,
    // unless its tallest row would then not fit on a page.
    static double scale(const QRectF& tableArea, const ReportGrid& grid);
    static std::vector<PageRows> pages(const QPrinter& printer, const ReportGrid& grid);

    // Called after each page is drawn with its number (from 1) and the page count.
    using PageDone = std::function<void(int page, int pageCount)>;

    // Prints every page on `printer`, which must already be set up.
    static PrintResult print(QPrinter& printer, const ReportGrid& grid,
                             const PageDone& pageDone = {});
    // Draws every page with a painter already open on `printer` (the print
    // preview hands one over); false when a new page could not be started.
    static bool paintPages(QPainter& painter, QPrinter& printer, const ReportGrid& grid,
                           const PageDone& pageDone = {});
    // Draws one page with a painter already open on a printer.
    static void paintPage(QPainter& painter, const QRectF& tableArea, const ReportGrid& grid,
                          const PageRows& rows);
};

} // namespace korvane
