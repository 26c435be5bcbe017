// SPDX-License-Identifier: MIT
#pragma once

#include "reportgrid.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPen>
#include <QRectF>
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
    // `textColor` when given, else in the cell's own colour.
    static void paintCell(QPainter& painter, const QRectF& rect, const ReportGrid& grid, int row,
                          int column, std::optional<QColor> textColor = std::nullopt);
    // The grid lines of a cell (or merged range) at `rect`, as the grid's line
    // settings say, inside the rect: its right and bottom edges, and its top
    // and left edges where it starts the table (or the page).
    static void paintLines(QPainter& painter, const QRectF& rect, const ReportGrid& grid, bool top,
                           bool left);
    // The lines paintLines draws, added to `lines`, and the pen it draws them with.
    static void addLines(std::vector<QLineF>& lines, const QRectF& rect, const ReportGrid& grid,
                         bool top, bool left);
    static QPen linePen(const ReportGrid& grid);

    // Splits the rows into pages of at most `pageHeight` sheet pixels; a row
    // is never split, and a row taller than a page has a page to itself. A
    // grid without rows still prints one empty page.
    static std::vector<PageRows> paginate(const ReportGrid& grid, double pageHeight);

    // Where the table goes on the paper (device pixels, full page): inside the
    // margins, below the page header and its gap, above the page footer.
    static QRectF tableArea(const QPrinter& printer, const ReportGrid& grid);
    // Sheet pixels to device pixels: the sheet fills the table area's width.
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
