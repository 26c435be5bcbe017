// SPDX-License-Identifier: MIT
// The report painter's promises about what reaches the paper and the screen:
// the table always has room on the paper, no character of a cell's text is
// cut off, and no grid line vanishes in a small preview.
#include "gbkstring.h"
#include "printpreviewwindow.h"
#include "reportdialogs.h"
#include "reportpainter.h"
#include "reportsheet.h"
#include "visualstyle.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QtTest>

using korvane::ReportGrid;
using korvane::ReportPainter;
using korvane::SummaryItem;

namespace {

ReportGrid sheet(int count) {
    std::vector<SummaryItem> items;
    for (int i = 1; i <= count; ++i)
        items.push_back({{std::to_string(i), korvane::toGbk("工字钢 I20a"), "200*100*7.0",
                          "27.929Kg/m", "6m", "167.57"}});
    const std::vector<std::string> titles = {
        korvane::toGbk("序号"),     korvane::toGbk("材料名称"), korvane::toGbk("规格型号"),
        korvane::toGbk("理论重量"), korvane::toGbk("数量"),     korvane::toGbk("重量(Kg)")};
    return korvane::ReportSheet::build(items, titles,
                                       {korvane::toGbk("材 料 重 量 汇 总 表"), {}, {}, {}});
}

// The white paper in a preview: the bounds of its white pixels.
QImage paperOf(const QImage& image) {
    QRect paper;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 255, 255))
                paper |= QRect(x, y, 1, 1);
    return image.copy(paper);
}

// The rows of pixels that hold a horizontal line across most of the image's
// dark width, each run of neighbouring rows counted once.
int horizontalLines(const QImage& image) {
    std::vector<int> dark(size_t(image.height()), 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark[size_t(y)] += qGray(image.pixel(x, y)) < 128;
    const int longest = *std::max_element(dark.begin(), dark.end());
    int lines = 0;
    bool inLine = false;
    for (int count : dark) {
        const bool line = longest > 0 && count >= longest * 8 / 10;
        lines += line && !inLine;
        inLine = line;
    }
    return lines;
}

// The height of the ink drawn in `image` (anything not white), in pixels.
int inkHeight(const QImage& image) {
    int top = image.height();
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 200) {
                top = std::min(top, y);
                bottom = y;
            }
    return bottom < top ? 0 : bottom - top + 1;
}

} // namespace

class ReportPainterTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { korvane::VisualStyle::apply(); }

    // Whatever the margins, the table keeps at least 5 cm of the paper's
    // width and height (all of a paper smaller than that), every page holds
    // rows and every row fits its page: the sheet is never printed as empty
    // pages. Settings that leave room are used as they are.
    void tableAlwaysHasRoom_data() {
        QTest::addColumn<QPageSize>("size");
        QTest::addColumn<int>("margin"); // every print setting, tenths of a millimetre
        QTest::addColumn<bool>("asSet");
        QTest::newRow("A4, 2 mm") << QPageSize(QPageSize::A4) << 20 << true;
        QTest::newRow("A6, 99.9 mm") << QPageSize(QPageSize::A6) << 999 << false;
        QTest::newRow("A6, 10 mm") << QPageSize(QPageSize::A6) << 100 << false;
        QTest::newRow("1000 x 60 mm, 1 mm: rows taller than a page at full width")
            << QPageSize(QSizeF(1000, 60), QPageSize::Millimeter) << 10 << true;
        QTest::newRow("40 x 30 mm, 1 mm")
            << QPageSize(QSizeF(40, 30), QPageSize::Millimeter) << 10 << false;
    }
    void tableAlwaysHasRoom() {
        QFETCH(QPageSize, size);
        QFETCH(int, margin);
        QFETCH(bool, asSet);
        ReportGrid grid = sheet(40);
        for (int i = 1; i <= ReportGrid::kPrintSettingCount; ++i)
            grid.setPrintSetting(i, margin);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setFullPage(true);
        printer.setPageSize(size);

        const double dots = printer.resolution() / 25.4; // per millimetre
        const QRectF paper = printer.pageLayout().fullRectPixels(printer.resolution());
        const QRectF area = ReportPainter::tableArea(printer, grid);
        QVERIFY(paper.contains(area));
        QVERIFY(area.width() >= std::min(50 * dots, paper.width()) - 1);
        QVERIFY(area.height() >= std::min(50 * dots, paper.height()) - 1);
        if (asSet) {
            QCOMPARE(area.left(), margin / 10.0 * dots);
            QCOMPARE(area.top(), 3 * margin / 10.0 * dots);
        }

        const double scale = ReportPainter::scale(area, grid);
        QVERIFY(grid.totalWidth() * scale <= area.width() + 1e-6);
        const std::vector<ReportPainter::PageRows> pages = ReportPainter::pages(printer, grid);
        int next = 0;
        for (const ReportPainter::PageRows& page : pages) {
            QCOMPARE(page.first, next);
            QVERIFY(page.last >= page.first);
            int height = 0;
            for (int r = page.first; r <= page.last; ++r)
                height += grid.rowHeight(r);
            QVERIFY(height * scale <= area.height() + 1e-6);
            next = page.last + 1;
        }
        QCOMPARE(next, grid.rowCount());
    }

    // A text too long for its cell loses no character: with wrap on it breaks
    // into lines (inside a long word too) and shrinks only when the lines do
    // not fit the cell's height; with wrap off it shrinks onto one line. On
    // screen (scale 1) and on paper (the sheet scaled up to 1200 dpi).
    void cellTextStaysWhole_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QSizeF>("cell");
        QTest::addColumn<double>("paperScale");
        QTest::addColumn<bool>("shrinks");
        QTest::addColumn<bool>("severalLines");
        const QString chinese = QStringLiteral("热轧等边角钢与不等边角钢的理论重量合计");
        const QString word = QStringLiteral("200*100*7.0*12000*6000*3000");
        for (double scale : {1.0, 16.7}) {
            const QByteArray at = scale == 1.0 ? " on screen" : " on paper";
            QTest::newRow("short, centred" + at)
                << QStringLiteral("6m") << false << 2 << QSizeF(70, 25) << scale << false << false;
            QTest::newRow("long, centred, one line" + at)
                << chinese << false << 2 << QSizeF(80, 25) << scale << true << false;
            QTest::newRow("long, right, one line" + at)
                << word << false << 3 << QSizeF(80, 25) << scale << true << false;
            QTest::newRow("long, wrapped, tall cell" + at)
                << chinese << true << 1 << QSizeF(140, 60) << scale << false << true;
            QTest::newRow("one long word, wrapped, tall cell" + at)
                << word << true << 2 << QSizeF(80, 60) << scale << false << true;
            QTest::newRow("long, wrapped, low cell" + at)
                << chinese + chinese << true << 1 << QSizeF(80, 25) << scale << true << true;
        }
    }
    void cellTextStaysWhole() {
        QFETCH(QString, text);
        QFETCH(bool, wrap);
        QFETCH(int, alignment);
        QFETCH(QSizeF, cell);
        QFETCH(double, paperScale);
        QFETCH(bool, shrinks);
        QFETCH(bool, severalLines);
        ReportGrid grid;
        grid.setRowCount(1);
        grid.setColumnCount(1);
        grid.setText(0, 0, korvane::toGbk(text));
        grid.setWordWrap({0, 0}, wrap);
        grid.setAlignment({0, 0}, korvane::HorizontalAlignment(alignment));
        const QFont font = ReportPainter::cellFont(grid, 0, 0);

        QImage image((cell * paperScale).toSize() + QSize(1, 1), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(paperScale, paperScale);
        painter.setFont(font);
        const QRectF inner(2, 1, cell.width() - 4, cell.height() - 2);
        const ReportPainter::TextFit fit = ReportPainter::fitText(
            painter, inner, text, korvane::HorizontalAlignment(alignment), wrap);
        const QRectF used = painter.boundingRect(fit.rect, text, fit.option);
        QVERIFY(used.width() * fit.scale <= inner.width() + 0.02);
        QVERIFY(used.height() * fit.scale <= inner.height() + 0.02);
        QCOMPARE(fit.scale < 1.0, shrinks);
        const double line = QFontMetricsF(font, &image).height();
        QCOMPARE(used.height() > 1.5 * line, severalLines);

        // The cell as drawn, beside the same cell holding only the text's
        // first two characters: a shrunk text is lower, a wrapped one higher.
        painter.end();
        auto drawn = [&](const QString& shown) {
            grid.setText(0, 0, korvane::toGbk(shown));
            QImage cellImage(image.size(), QImage::Format_RGB32);
            cellImage.fill(Qt::white);
            QPainter cellPainter(&cellImage);
            cellPainter.scale(paperScale, paperScale);
            ReportPainter::paintCell(cellPainter, QRectF(QPointF(0, 0), cell), grid, 0, 0);
            return inkHeight(cellImage);
        };
        const int ink = drawn(text);
        const int start = drawn(text.left(2));
        QVERIFY(start > 0);
        if (shrinks && !severalLines)
            QVERIFY2(ink < 0.8 * start, qPrintable(QStringLiteral("%1 %2").arg(ink).arg(start)));
        if (severalLines && !shrinks)
            QVERIFY2(ink > 1.5 * start, qPrintable(QStringLiteral("%1 %2").arg(ink).arg(start)));
    }

    // "等高" shows a whole A4 page in the window: a line of the sheet is then
    // less than a screen pixel wide, and every one of them still shows, the
    // table's top line included, at any window size.
    void everyLineShowsInASmallPreview() {
        ReportGrid grid = sheet(20);
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const ReportPainter::PageRows page = ReportPainter::pages(printer, grid).front();
        const korvane::ReportDialogs dialogs = korvane::ReportDialogs::standard();
        korvane::PrintPreviewWindow window(grid, printer, dialogs, [] {});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Heights where the page's scale once rounded lines away: below about
        // 500 the thin ones, above it the top one.
        for (int height : {300, 545, 605, 830}) {
            window.resize(height * 8 / 7, height);
            window.preview()->fitInView();
            QCoreApplication::processEvents();
            const QImage shown = window.preview()->grab().toImage();
            if (qEnvironmentVariableIsSet("KORVANE_KEEP_PNG"))
                shown.save(qEnvironmentVariable("KORVANE_KEEP_PNG") +
                           QStringLiteral("/preview-%1.png").arg(height));
            // The top line and one below each row, the merged rows included.
            QCOMPARE(horizontalLines(paperOf(shown)), page.last - page.first + 2);
        }
    }
};

QTEST_MAIN(ReportPainterTest)
#include "reportpainter_test.moc"
