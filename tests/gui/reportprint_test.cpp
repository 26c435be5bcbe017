// SPDX-License-Identifier: MIT
// Printing the report: pages on paper as PDF files, the print errors, the
// print preview's commands and its two dialogs. Dialogs are answered through
// the window's dialog seam; none is ever shown.
#include "gbkstring.h"
#include "marginsdialog.h"
#include "pagejumpdialog.h"
#include "printpreviewwindow.h"
#include "recordingmessageboxes.h"
#include "reportpainter.h"
#include "reportsheet.h"
#include "reportwindow.h"
#include "visualstyle.h"

#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPointer>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using korvane::MarginsDialog;
using korvane::ReportDialogs;
using korvane::ReportGrid;
using korvane::ReportPainter;
using korvane::ReportWindow;
using korvane::SummaryItem;
using korvane::platform::RecordingMessageBoxes;

Q_DECLARE_METATYPE(MarginsDialog::Settings)

namespace {

std::vector<SummaryItem> lines(int count) {
    std::vector<SummaryItem> items;
    for (int i = 1; i <= count; ++i)
        items.push_back({{std::to_string(i), korvane::toGbk("工字钢 I20a"), "200*100*7.0",
                          "27.929Kg/m", "6m", "167.57"}});
    return items;
}

QPageLayout paper(const QPageSize& size,
                  QPageLayout::Orientation orientation = QPageLayout::Portrait) {
    return QPageLayout(size, orientation, QMarginsF());
}

const std::vector<std::string> kTitles = {korvane::toGbk("序号"),     korvane::toGbk("材料名称"),
                                          korvane::toGbk("规格型号"), korvane::toGbk("理论重量"),
                                          korvane::toGbk("数量"),     korvane::toGbk("重量(Kg)")};

int pdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return int(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// Dialogs answered by the test: printing goes to `pdf` on A4 paper; the
// margins and page answers are whatever the test puts in.
struct Answers {
    explicit Answers(QString path) : pdf(std::move(path)) {}

    QString pdf;
    std::optional<int> page;
    std::optional<MarginsDialog::Settings> margins;
    int printDialogs = 0;

    ReportDialogs dialogs() {
        ReportDialogs d;
        d.print = [this](QWidget*, QPrinter& printer) {
            ++printDialogs;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageOrientation(QPageLayout::Portrait);
            return true;
        };
        d.pageSetup = [](QWidget*, QPrinter& printer) {
            printer.setPageOrientation(QPageLayout::Landscape);
            return true;
        };
        d.margins = [this](QWidget*, const QPageLayout&, MarginsDialog::Settings& settings) {
            if (!margins)
                return false;
            settings = *margins;
            return true;
        };
        d.page = [this](QWidget*, int, int) { return page; };
        return d;
    }
};

// The sheet drawn cell by cell as the grid view draws it: each cell, or
// merged range from its first cell, with its own lines.
QImage cellByCell(const ReportGrid& grid, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    auto left = [&](int column) {
        int x = 0;
        for (int c = 0; c < column; ++c)
            x += grid.columnWidth(c);
        return x;
    };
    auto top = [&](int row) {
        int y = 0;
        for (int r = 0; r < row; ++r)
            y += grid.rowHeight(r);
        return y;
    };
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int c = 0; c < grid.columnCount(); ++c) {
            korvane::CellRange range{r, c, r, c};
            if (const std::optional<korvane::CellRange> merged = grid.mergeAt(r, c))
                range = *merged;
            if (range.firstRow != r || range.firstColumn != c)
                continue;
            const QRectF rect(left(c), top(r), left(range.lastColumn + 1) - left(c),
                              top(range.lastRow + 1) - top(r));
            ReportPainter::paintCell(painter, rect, grid, r, c);
            ReportPainter::paintLines(painter, rect, grid, r == 0, c == 0);
        }
    }
    return image;
}

} // namespace

class ReportPrintTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QCoreApplication::setApplicationName(QStringLiteral("korvane"));
        korvane::VisualStyle::apply();
    }

    void pagesOnPaper_data() {
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("pages");
        // A4 at the starting margins: the table is 202 mm wide and 279 mm high,
        // which holds about 31 rows of 25 pixels at that scale.
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("60") << 60 << 3;
        QTest::newRow("600") << 600 << 20;
    }
    void pagesOnPaper() {
        QFETCH(int, items);
        QFETCH(int, pages);
        QTemporaryDir dir;
        Answers answers{dir.filePath(QStringLiteral("report.pdf"))};
        auto* window = new ReportWindow(lines(items), kTitles);
        window->setDialogs(answers.dialogs());
        QPointer<ReportWindow> guard(window);
        window->print();
        QCOMPARE(answers.printDialogs, 1);
        QCOMPARE(pdfPageCount(answers.pdf), pages);
        if (qEnvironmentVariableIsSet("KORVANE_KEEP_PDF"))
            QFile::copy(answers.pdf, qEnvironmentVariable("KORVANE_KEEP_PDF") +
                                         QStringLiteral("/report-%1.pdf").arg(items));
        delete guard;
    }

    // A page on paper is the sheet as the window draws it, line for line.
    void pageLooksLikeTheWindow() {
        const std::string title = korvane::toGbk("材 料 重 量 汇 总 表");
        const ReportGrid grid =
            korvane::ReportSheet::build(lines(12), kTitles,
                                        {title, korvane::toGbk("甲公司"), korvane::toGbk("乙"),
                                         korvane::toGbk("2019年12月19日")});
        int height = 0;
        for (int r = 0; r < grid.rowCount(); ++r)
            height += grid.rowHeight(r);
        const QSize size(grid.totalWidth(), height);
        QImage page(size, QImage::Format_RGB32);
        page.fill(Qt::magenta);
        {
            QPainter painter(&page);
            ReportPainter::paintPage(painter, QRectF(QPointF(0, 0), size), grid,
                                     {0, grid.rowCount() - 1});
        }
        QCOMPARE(page, cellByCell(grid, size));
    }

    // Every page printed is reported as it is done, with the page count.
    void printReportsEachPage() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        const ReportGrid grid = korvane::ReportSheet::build(lines(60), kTitles, {});
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QList<QPair<int, int>> reported;
        const ReportPainter::PrintResult result =
            ReportPainter::print(printer, grid, [&reported](int page, int pageCount) {
                reported.append({page, pageCount});
            });
        QCOMPARE(result, ReportPainter::PrintResult::Printed);
        const int pages = pdfPageCount(pdf);
        QCOMPARE(pages, 3);
        QList<QPair<int, int>> expected;
        for (int page = 1; page <= pages; ++page)
            expected.append({page, pages});
        QCOMPARE(reported, expected);
    }

    void printerThatCannotBeOpened() {
        RecordingMessageBoxes messages;
        Answers answers{QStringLiteral("/nonexistent-folder/report.pdf")};
        auto* window = new ReportWindow(lines(2), kTitles);
        window->setDialogs(answers.dialogs());
        window->print();
        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(messages.messages()[0].kind, RecordingMessageBoxes::Kind::Error);
        QCOMPARE(messages.messages()[0].title, QStringLiteral("错误"));
        QCOMPARE(messages.messages()[0].text, QStringLiteral("打印机初始化出错,请检查打印设置!"));
        // The window is as it was.
        QCOMPARE(window->grid().rowCount(), 8);
        delete window;
    }

    void cancelledPrintDialogPrintsNothing() {
        QTemporaryDir dir;
        auto* window = new ReportWindow(lines(2), kTitles);
        ReportDialogs dialogs = ReportDialogs::standard();
        dialogs.print = [](QWidget*, QPrinter&) { return false; };
        window->setDialogs(dialogs);
        window->print();
        QVERIFY(QDir(dir.path()).isEmpty());
        delete window;
    }

    void previewCommands() {
        QTemporaryDir dir;
        Answers answers{dir.filePath(QStringLiteral("preview.pdf"))};
        auto* window = new ReportWindow(lines(60), kTitles);
        window->setDialogs(answers.dialogs());
        window->show();
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("按钮3打印预览")),
                          Qt::LeftButton);
        // The preview's margins, kept for later prints.
        const ReportGrid& grid = window->grid();
        QCOMPARE((std::array{grid.printSetting(1), grid.printSetting(2), grid.printSetting(3),
                             grid.printSetting(4)}),
                 (std::array{20, 10, 30, 30}));

        QPointer<korvane::PrintPreviewWindow> preview = window->previewWindow();
        QVERIFY(preview != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(preview));
        QCOMPARE(preview->windowTitle(), QStringLiteral("打印预览"));
        auto click = [&](const char* command) {
            auto* button = preview->findChild<QPushButton*>(QString::fromUtf8(command));
            QVERIFY2(button != nullptr, command);
            QTest::mouseClick(button, Qt::LeftButton);
        };
        const int pages = preview->pageCount();
        QCOMPARE(pages, 3);
        QCOMPARE(preview->currentPage(), 1);
        click("上页");
        QCOMPARE(preview->currentPage(), 1);
        click("下页");
        QCOMPARE(preview->currentPage(), 2);
        answers.page = 99; // outside the document: refused
        click("到指定页");
        QCOMPARE(preview->currentPage(), 2);
        answers.page = 3;
        click("到指定页");
        QCOMPARE(preview->currentPage(), 3);
        click("下页");
        QCOMPARE(preview->currentPage(), 3);

        const qreal zoom = preview->preview()->zoomFactor();
        click("放大");
        QVERIFY(preview->preview()->zoomFactor() > zoom);
        click("缩小");
        click("缩小");
        QVERIFY(preview->preview()->zoomFactor() < zoom);
        click("等宽");
        QCOMPARE(preview->preview()->zoomMode(), QPrintPreviewWidget::FitToWidth);
        click("等高");
        QCOMPARE(preview->preview()->zoomMode(), QPrintPreviewWidget::FitInView);

        // Taller margins leave less room: more pages.
        MarginsDialog::Settings settings = MarginsDialog::settingsOf(grid);
        settings[ReportGrid::TopMargin] = 999;
        settings[ReportGrid::BottomMargin] = 999;
        answers.margins = settings;
        click("页边距");
        QCOMPARE(grid.printSetting(ReportGrid::TopMargin), 999);
        QVERIFY(preview->pageCount() > pages);
        // A cancelled margins dialog changes nothing.
        answers.margins.reset();
        click("页边距");
        QCOMPARE(grid.printSetting(ReportGrid::TopMargin), 999);
        // Landscape paper from "打印设置": the sheet, scaled to the wider and
        // lower page, has fewer rows on each.
        const int portraitPages = preview->pageCount();
        click("打印设置");
        QVERIFY(preview->pageCount() > portraitPages);

        click("打印");
        QCOMPARE(answers.printDialogs, 1);
        QVERIFY(pdfPageCount(answers.pdf) > 0);

        click("退出");
        QTRY_VERIFY(preview.isNull());
        delete window;
    }

    void marginsDialogFields() {
        MarginsDialog::Settings start{0, 1, 2, 3, 4, 5, 6, 7};
        MarginsDialog dialog(start, paper(QPageSize::A4));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("页边距设置(单位: 0.1毫米)"));
        QCOMPARE(dialog.settings(), start);
        // The fields in the dialog's order, each tied to its setting.
        const std::pair<const char*, int> fields[] = {{"上:", 3},
                                                      {"下:", 4},
                                                      {"左:", 1},
                                                      {"右:", 2},
                                                      {"页眉:", 5},
                                                      {"页脚:", 6},
                                                      {"表头与表格间隔:", 7}};
        for (const auto& [caption, setting] : fields) {
            auto* field = dialog.findChild<QLineEdit*>(QString::fromUtf8(caption));
            QVERIFY2(field != nullptr, caption);
            QCOMPARE(field->text(), QString::number(setting));
        }
        // Digits only, at most three.
        auto* top = dialog.findChild<QLineEdit*>(QStringLiteral("上:"));
        top->clear();
        QTest::keyClicks(top, QStringLiteral("9a-9.99"));
        QCOMPARE(top->text(), QStringLiteral("999"));
        top->clear();
        QCOMPARE(dialog.settings()[ReportGrid::TopMargin], 0);

        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("默认值")), Qt::LeftButton);
        QCOMPARE(dialog.settings(), (MarginsDialog::Settings{0, 40, 40, 20, 20, 60, 60, 20}));
        QStringList buttons;
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            buttons << button->text();
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"取消(&C)", "确定(&O)", "默认值"}));
    }

    // Settings that leave the table less than 5 cm of the paper's width or
    // height (or less than the paper, on paper smaller than that) are
    // refused, and the message names the settings to make smaller; the dialog
    // stays open with the values as typed.
    void marginsLeavingTooLittleRoomAreRefused_data() {
        QTest::addColumn<QPageLayout>("layout");
        QTest::addColumn<MarginsDialog::Settings>("settings");
        QTest::addColumn<QStringList>("said"); // empty: accepted
        const QPageLayout a6 = paper(QPageSize::A6);
        // Left, right, top, bottom, page header, page footer, gap.
        auto set = [](int l, int r, int t, int b, int h, int f, int g) {
            return MarginsDialog::Settings{0, l, r, t, b, h, f, g};
        };
        const QString width = QStringLiteral("左、右边距合计最多填 %1。");
        const QString height = QStringLiteral("这五项合计最多填 %1。");
        QTest::newRow("A6, starting settings")
            << a6 << set(40, 40, 20, 20, 60, 60, 20) << QStringList();
        QTest::newRow("A6, 999 left, right, header, footer")
            << a6 << set(999, 999, 20, 20, 999, 999, 20)
            << QStringList{
                   QStringLiteral("纸张（A6，纵向）"),
                   QStringLiteral("纸宽 105 毫米，左、右边距合计 199.8 毫米"), width.arg(550),
                   QStringLiteral("纸高 148 毫米，上、下边距与页眉、页脚、表头与表格间隔合计 "
                                  "205.8 毫米"),
                   height.arg(980)};
        QTest::newRow("A6, 5 cm wide exactly")
            << a6 << set(275, 275, 0, 0, 490, 490, 0) << QStringList();
        QTest::newRow("A6, 0.1 mm less wide")
            << a6 << set(276, 275, 0, 0, 0, 0, 0) << QStringList{width.arg(550)};
        QTest::newRow("A6, 0.1 mm less high")
            << a6 << set(0, 0, 0, 0, 490, 490, 1) << QStringList{height.arg(980)};
        QTest::newRow("A4 landscape, 999 everywhere")
            << paper(QPageSize::A4, QPageLayout::Landscape)
            << set(999, 999, 999, 999, 999, 999, 999)
            << QStringList{QStringLiteral("纸张（A4，横向）"), height.arg(1600)};
        const QPageLayout stamp = paper(QPageSize(QSizeF(40, 30), QPageSize::Millimeter));
        QTest::newRow("paper smaller than 5 cm, no margins")
            << stamp << set(0, 0, 0, 0, 0, 0, 0) << QStringList();
        QTest::newRow("paper smaller than 5 cm, a margin")
            << stamp << set(0, 0, 0, 0, 0, 0, 1) << QStringList{height.arg(0)};
    }
    void marginsLeavingTooLittleRoomAreRefused() {
        QFETCH(QPageLayout, layout);
        QFETCH(MarginsDialog::Settings, settings);
        QFETCH(QStringList, said);
        RecordingMessageBoxes messages;
        MarginsDialog dialog(settings, layout);
        dialog.QWidget::show();
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("确定(&O)"))
                QTest::mouseClick(button, Qt::LeftButton);
        if (said.isEmpty()) {
            QCOMPARE(messages.messages().size(), 0);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY(!dialog.isVisible());
            return;
        }
        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(messages.messages()[0].kind, RecordingMessageBoxes::Kind::Warning);
        for (const QString& part : said)
            QVERIFY2(messages.messages()[0].text.contains(part),
                     qPrintable(messages.messages()[0].text));
        // Only the dimension that lacks room is named.
        const bool narrow = said.join(QString()).contains(QStringLiteral("左、右"));
        QCOMPARE(messages.messages()[0].text.contains(QStringLiteral("纸宽")), narrow);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.settings(), settings);
    }

    // The preview's margins, however they were confirmed, never leave the
    // sheet without room: A6 paper with 999 on four sides prints the three
    // lines' sheet on one page instead of one empty page per row.
    void previewWithMarginsTooLargeForThePaper() {
        QTemporaryDir dir;
        Answers answers{dir.filePath(QStringLiteral("preview.pdf"))};
        auto* window = new ReportWindow(lines(3), kTitles);
        ReportDialogs dialogs = answers.dialogs();
        dialogs.pageSetup = [](QWidget*, QPrinter& printer) {
            printer.setPageSize(QPageSize(QPageSize::A6));
            return true;
        };
        window->setDialogs(dialogs);
        window->printPreview();
        korvane::PrintPreviewWindow* preview = window->previewWindow();
        MarginsDialog::Settings settings = MarginsDialog::settingsOf(window->grid());
        for (int side : {ReportGrid::LeftMargin, ReportGrid::RightMargin, ReportGrid::PageHeader,
                         ReportGrid::PageFooter})
            settings[size_t(side)] = 999;
        answers.margins = settings;
        preview->findChild<QPushButton*>(QStringLiteral("打印设置"))->click();
        preview->findChild<QPushButton*>(QStringLiteral("页边距"))->click();
        QCOMPARE(window->grid().printSetting(ReportGrid::LeftMargin), 999);
        QCOMPARE(preview->pageCount(), 1);
        delete window;
    }

    void pageJumpRefusesPagesOutsideTheDocument_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("page");
        QTest::newRow("3") << "3" << 3;
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("4 of 3") << "4" << 0;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("99999999999") << "99999999999" << 0;
    }
    void pageJumpRefusesPagesOutsideTheDocument() {
        QFETCH(QString, typed);
        QFETCH(int, page);
        korvane::PageJumpDialog dialog(1, 3);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("页面跳转"));
        dialog.field()->clear();
        QTest::keyClicks(dialog.field(), typed);
        QCOMPARE(dialog.page(), page);
        auto* ok = dialog.findChild<QPushButton*>();
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("确定(&O)"))
                ok = button;
        QCOMPARE(ok->isEnabled(), page > 0);
    }
};

QTEST_MAIN(ReportPrintTest)
#include "reportprint_test.moc"
