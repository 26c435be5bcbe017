// SPDX-License-Identifier: MIT
// The report window: its sheet following the edit boxes, cell edits and the
// total, the header texts kept between windows, its controls, and the report
// opened from the main window's summary panel.
#include "calculatorpages.h"
#include "exportdialogs.h"
#include "gbkstring.h"
#include "headerinfofile.h"
#include "mainwindowfixture.h"
#include "materialsummary.h"
#include "recordingmessageboxes.h"
#include "reportgridmodel.h"
#include "reportgridview.h"
#include "reportwindow.h"
#include "summarypanel.h"
#include "temporarydatafolder.h"
#include "visualstyle.h"
#include "windowplacement.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

using korvane::ReportWindow;
using korvane::SummaryItem;

namespace {

const std::vector<std::string> kTitles = {korvane::toGbk("序号"),     korvane::toGbk("材料名称"),
                                          korvane::toGbk("规格型号"), korvane::toGbk("理论重量"),
                                          korvane::toGbk("数量"),     korvane::toGbk("重量(Kg)")};

std::vector<SummaryItem> lines(int count) {
    std::vector<SummaryItem> items;
    for (int i = 1; i <= count; ++i)
        items.push_back({{std::to_string(i), korvane::toGbk("钢板"), "10mm", "78.50Kg/m", "2m",
                          i == 2 ? "2.25" : "1.5"}});
    return items;
}

// A shown report window of `count` lines; closing it deletes it.
struct ReportFixture {
    explicit ReportFixture(int count = 3) : window(new ReportWindow(lines(count), kTitles)) {
        window->show();
        shown = QTest::qWaitForWindowExposed(window);
    }
    ~ReportFixture() { delete window; }
    template <typename T = QWidget> T* control(const char* name) const {
        return window->findChild<T*>(QString::fromUtf8(name));
    }
    QString cell(int row, int column) const {
        return korvane::fromGbk(window->grid().text(row, column));
    }
    int rows() const { return window->grid().rowCount(); }

    QPointer<ReportWindow> window;
    bool shown = false;
};

// Replaces the text of an edit box as a user does: select all, then type.
void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

std::unique_ptr<TemporaryDataFolder> data;

} // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { korvane::VisualStyle::apply(); }
    // A fresh data folder for every test.
    void init() { data = std::make_unique<TemporaryDataFolder>(); }
    void cleanup() { data.reset(); }

    void editBoxesChangeTheirCellsAtOnce() {
        ReportFixture f;
        QVERIFY(f.shown);
        typeInto(f.control<QLineEdit>("编辑框2公司名称"), QStringLiteral("甲"));
        QCOMPARE(f.cell(1, 0), QStringLiteral("单位名称：甲"));
        typeInto(f.control<QLineEdit>("编辑框1抬头"), QStringLiteral("汇总"));
        QCOMPARE(f.cell(0, 0), QStringLiteral("汇总"));
        // The view shows what the sheet holds.
        const QModelIndex title = f.window->gridView()->model()->index(0, 0);
        QCOMPARE(title.data().toString(), QStringLiteral("汇总"));

        typeInto(f.control<QLineEdit>("编辑框3制单人"), QStringLiteral("李"));
        f.control<QDateEdit>("日期框1")->setDate(QDate(2020, 3, 1));
        QCOMPARE(f.cell(f.rows() - 1, 0),
                 QStringLiteral("制单人：李                   日期：2020年3月1日"));
    }

    void newWindowShowsDesignTextsAndToday() {
        ReportFixture f(0);
        QVERIFY(f.shown);
        QCOMPARE(f.rows(), 6);
        QCOMPARE(f.cell(0, 0), QStringLiteral("材 料 重 量 汇 总 表"));
        QCOMPARE(f.cell(1, 0), QStringLiteral("单位名称：*********有限公司"));
        const QDate today = QDate::currentDate();
        QCOMPARE(f.cell(5, 0),
                 QStringLiteral("制单人：制单人姓名                   日期：%1年%2月%3日")
                     .arg(today.year())
                     .arg(today.month())
                     .arg(today.day()));
        QCOMPARE(f.cell(3, 5), QStringLiteral("0.00"));
        QCOMPARE(f.control<QLabel>("透明标签1求和")->text(), QStringLiteral("0.00"));
        QVERIFY(!f.control<QLabel>("透明标签1求和")->isVisible());
    }

    void headerTextsComeBackInTheNextWindow() {
        {
            ReportFixture f;
            QVERIFY(f.shown);
            f.control<QLineEdit>("编辑框1抬头")->setText(QStringLiteral("第一行\r\n第二行"));
            f.control<QLineEdit>("编辑框2公司名称")->setText(QStringLiteral("A&B 公司"));
            // Saved empty: the next window keeps the design text.
            f.control<QLineEdit>("编辑框3制单人")->setText(QString());
            f.control<QDateEdit>("日期框1")->setDate(QDate(2020, 3, 1));
            QTest::mouseClick(f.control<QPushButton>("按钮5保存信息"), Qt::LeftButton);
            QTest::mouseClick(f.control<QPushButton>("按钮4关闭"), Qt::LeftButton);
            QTRY_VERIFY(f.window.isNull());
        }
        ReportFixture again;
        QVERIFY(again.shown);
        QCOMPARE(again.control<QLineEdit>("编辑框1抬头")->text(),
                 QStringLiteral("第一行\r\n第二行"));
        QCOMPARE(again.cell(0, 0), QStringLiteral("第一行\r\n第二行"));
        QCOMPARE(again.cell(1, 0), QStringLiteral("单位名称：A&B 公司"));
        QCOMPARE(again.control<QLineEdit>("编辑框3制单人")->text(), QStringLiteral("制单人姓名"));
        // The date is never stored.
        QCOMPARE(again.control<QDateEdit>("日期框1")->date(), QDate::currentDate());
    }

    void finishedCellEditRecomputesTheTotal() {
        ReportFixture f; // weights 1.5, 2.25, 1.5
        QVERIFY(f.shown);
        QCOMPARE(f.cell(6, 5), QStringLiteral("5.25"));
        korvane::ReportGridView* view = f.window->gridView();
        const QModelIndex weight = view->model()->index(4, 5);
        view->setFocus();
        view->setCurrentIndex(weight);
        view->edit(weight);
        auto* editor = qobject_cast<QLineEdit*>(view->indexWidget(weight));
        QVERIFY(editor != nullptr);
        editor->setText(QStringLiteral("10"));
        // Not yet: the edit has not ended.
        QCOMPARE(f.cell(6, 5), QStringLiteral("5.25"));
        // The delegate ends the edit after Enter has been handled.
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(f.cell(4, 5), QStringLiteral("10"));
        QCOMPARE(f.cell(6, 5), QStringLiteral("13.00"));
        QCOMPARE(f.cell(6, 0), QStringLiteral(" 合计："));
        QCOMPARE(f.control<QLabel>("透明标签1求和")->text(), QStringLiteral("13.00"));
    }

    void focusedCellTextIsRed() {
        ReportFixture f;
        QVERIFY(f.shown);
        korvane::ReportGridView* view = f.window->gridView();
        const QModelIndex name = view->model()->index(3, 1); // 钢板
        auto redPixels = [&] {
            const QImage image = view->viewport()->grab(view->visualRect(name)).toImage();
            int red = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    red += c.red() > 150 && c.green() < 100 && c.blue() < 100;
                }
            return red;
        };
        view->setCurrentIndex(view->model()->index(4, 1));
        QCOMPARE(redPixels(), 0);
        view->activateWindow();
        view->setFocus();
        QTRY_VERIFY(view->hasFocus());
        view->setCurrentIndex(name);
        QVERIFY(redPixels() > 10);
    }

    void controlsSitBelowTheGrid() {
        ReportFixture f; // h = 25 * (3 + 5) + 85 = 285
        QVERIFY(f.shown);
        // The designed 584 x 420 is the outer size; the frame takes 6 x 25.
        QCOMPARE(f.window->size(), QSize(578, 395));
        const std::pair<const char*, QRect> rects[] = {
            {"高级表格1", {2, 5, 574, 285}},        {"标签1抬头", {28, 295, 70, 24}},
            {"编辑框1抬头", {104, 295, 180, 24}},   {"标签3制单人", {314, 295, 64, 24}},
            {"编辑框3制单人", {377, 295, 120, 24}}, {"按钮5保存信息", {520, 295, 39, 56}},
            {"标签2公司名称", {28, 325, 70, 24}},   {"编辑框2公司名称", {104, 325, 180, 24}},
            {"标签4日期", {307, 325, 64, 24}},      {"日期框1", {377, 325, 120, 24}},
            {"按钮1导出", {178, 360, 70, 24}},      {"按钮3打印预览", {273, 360, 70, 24}},
            {"按钮2打印", {369, 360, 70, 24}},      {"按钮4关闭", {466, 360, 70, 24}},
            {"选择框1汇总", {28, 364, 80, 16}},
        };
        for (const auto& [name, rect] : rects) {
            QWidget* control = f.control(name);
            QVERIFY2(control != nullptr, name);
            QCOMPARE(control->geometry(), rect);
        }
        // The whole sheet fits: nothing to scroll.
        QCOMPARE(f.window->gridView()->verticalScrollBar()->maximum(), 0);
    }

    void longListScrollsInsideAScreenHighWindow() {
        ReportFixture f(200); // as designed 25 * 205 + 220 = 5345 pixels high
        QVERIFY(f.shown);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(f.window->height() < screen.height());
        QCOMPARE(f.window->gridView()->height(), f.window->height() - 110);
        QCOMPARE(f.control("按钮4关闭")->y(), f.window->gridView()->height() + 75);
        QVERIFY(f.window->gridView()->verticalScrollBar()->maximum() > 0);
    }

    // The vertical scroll bar of a long list takes its width from the widest
    // column on screen: "备注" stays whole beside the bar and nothing scrolls
    // sideways. A list that does not scroll shows the sheet's own widths, and
    // the sheet, which prints, keeps them in both.
    void scrollBarLeavesTheLastColumnWhole() {
        for (int count : {3, 30}) {
            ReportFixture f(count);
            QVERIFY(f.shown);
            korvane::ReportGridView* view = f.window->gridView();
            const korvane::ReportGrid& grid = f.window->grid();
            QCOMPARE(view->verticalScrollBar()->isVisible(), count == 30);
            QVERIFY(!view->horizontalScrollBar()->isVisible());
            const int last = grid.columnCount() - 1;
            QVERIFY(view->columnViewportPosition(last) + view->columnWidth(last) <=
                    view->viewport()->width());
            // The widest column, "规格型号", gives up what the bar takes.
            const int squeezed = count == 30 ? grid.totalWidth() - view->viewport()->width() : 0;
            QVERIFY(squeezed >= 0 && squeezed <= view->verticalScrollBar()->width());
            for (int c = 0; c <= last; ++c)
                QCOMPARE(view->columnWidth(c), grid.columnWidth(c) - (c == 2 ? squeezed : 0));
            QCOMPARE(grid.columnWidth(2), 140);
        }
    }

    void alwaysOnTopBox() {
        ReportFixture f;
        QVERIFY(f.shown);
        QVERIFY(!f.window->staysOnTop());
        f.control<QCheckBox>("选择框1汇总")->click();
        QVERIFY(f.window->staysOnTop());
        QVERIFY(f.window->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(f.window->isVisible());
        f.control<QCheckBox>("选择框1汇总")->click();
        QVERIFY(!(f.window->windowFlags() & Qt::WindowStaysOnTopHint));
    }

    // "导出表格" writes the sheet through the export's dialogs and says so.
    void exportButtonWritesTheSheet() {
        struct Answers : korvane::ExportDialogs {
            QString path;
            std::optional<SaveChoice> savePath(QWidget*, const QList<FileFilter>&) override {
                return SaveChoice{path, 0};
            }
            std::optional<QString> text(QWidget*, const QString&, const QString&,
                                        const QString& initial) override {
                return initial;
            }
        } answers;
        answers.path = data->root() + QStringLiteral("/汇总");
        QDir().mkpath(data->root());
        ReportFixture f;
        QVERIFY(f.shown);
        f.window->setExportDialogs(&answers);
        korvane::platform::RecordingMessageBoxes messages;
        QTest::mouseClick(f.control<QPushButton>("按钮1导出"), Qt::LeftButton);

        QFile written(answers.path + QStringLiteral(".xls"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray xml = written.readAll();
        QVERIFY(xml.contains("ss:Name=\"工作表1\""));
        QVERIFY(xml.contains("材 料 重 量 汇 总 表"));
        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(messages.messages()[0].kind,
                 korvane::platform::RecordingMessageBoxes::Kind::Information);
    }

    void openedFromTheSummaryPanel() {
        MainWindowFixture main;
        QVERIFY(main.active);
        main.window.toggleSummaryPanel();
        main.window.summary()->appendLine(lines(1)[0]);
        korvane::MaterialSummary* summary = main.window.pages()->materialSummary();
        auto* reportButton = main.window.findChild<QPushButton*>(QStringLiteral("按钮3材料汇总"));

        QTest::mouseClick(reportButton, Qt::LeftButton);
        QPointer<ReportWindow> report = qobject_cast<ReportWindow*>(summary->reportWindow());
        QVERIFY(report != nullptr);
        QCOMPARE(report->windowTitle(), QStringLiteral("材料重量汇总"));
        QVERIFY(report->isVisible());
        QCOMPARE(report->grid().rowCount(), 7);
        QCOMPARE(report->grid().text(2, 5), korvane::toGbk("重量(Kg)"));
        // Beside the main window, as far as the screen lets it.
        auto beside = [&] {
            const QRect wanted(main.window.frameGeometry().topLeft() + QPoint(595, 100),
                               report->frameGeometry().size());
            return korvane::platform::keptInside(wanted, main.window.screen()->availableGeometry())
                .topLeft();
        };
        QCOMPARE(report->pos(), beside());

        // It follows the main window until it is made to stay on top.
        main.window.move(main.window.pos() + QPoint(10, 20));
        QTRY_COMPARE(report->pos(), beside());
        report->findChild<QCheckBox*>(QStringLiteral("选择框1汇总"))->click();
        const QPoint stays = report->pos();
        main.window.move(main.window.pos() + QPoint(30, 0));
        QTest::qWait(50);
        QCOMPARE(report->pos(), stays);

        // Later clicks hide and show the same window; lines added meanwhile wait.
        main.window.summary()->appendLine(lines(1)[0]);
        QTest::mouseClick(reportButton, Qt::LeftButton);
        QVERIFY(!report->isVisible());
        QTest::mouseClick(reportButton, Qt::LeftButton);
        QCOMPARE(summary->reportWindow(), report.data());
        QVERIFY(report->isVisible());
        QCOMPARE(report->grid().rowCount(), 7);

        // Closed by its close box, it is gone; the next click builds a new one.
        report->close();
        QTRY_VERIFY(report.isNull());
        QTest::mouseClick(reportButton, Qt::LeftButton);
        QVERIFY(summary->reportWindow() != nullptr);
        QCOMPARE(qobject_cast<ReportWindow*>(summary->reportWindow())->grid().rowCount(), 8);
    }

    // A long list, the main window at the screen's right edge: the whole
    // window, its buttons included, is on the screen, and the grid scrolls.
    void longListReportStaysOnTheScreen() {
        MainWindowFixture main;
        QVERIFY(main.active);
        const QRect screen = main.window.screen()->availableGeometry();
        main.window.move(screen.right() - main.window.frameGeometry().width(), screen.top() + 40);
        main.window.toggleSummaryPanel();
        for (const SummaryItem& line : lines(30))
            main.window.summary()->appendLine(line);
        QTest::mouseClick(main.window.findChild<QPushButton*>(QStringLiteral("按钮3材料汇总")),
                          Qt::LeftButton);
        auto* report =
            qobject_cast<ReportWindow*>(main.window.pages()->materialSummary()->reportWindow());
        QVERIFY(report != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(report));
        QVERIFY2(screen.contains(report->frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                          .arg(report->x())
                                                                          .arg(report->y())
                                                                          .arg(report->width())
                                                                          .arg(report->height())));
        for (const char* name :
             {"按钮1导出", "按钮3打印预览", "按钮2打印", "按钮4关闭", "日期框1"}) {
            QWidget* control = report->findChild<QWidget*>(QString::fromUtf8(name));
            QVERIFY2(report->rect().contains(control->geometry()), name);
        }
        QCOMPARE(report->gridView()->height(), report->height() - 110);
        QVERIFY(report->gridView()->verticalScrollBar()->maximum() > 0);
        report->close();
    }

    // "保存信息" that cannot save says why; a save that works says nothing.
    void failedHeaderSaveIsSaid() {
        const QString file = korvane::HeaderInfoFile().filePath();
        QVERIFY(QDir().mkpath(file)); // a folder where the file belongs
        ReportFixture f;
        QVERIFY(f.shown);
        korvane::platform::RecordingMessageBoxes messages;
        QTest::mouseClick(f.control<QPushButton>("按钮5保存信息"), Qt::LeftButton);
        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(messages.messages()[0].kind,
                 korvane::platform::RecordingMessageBoxes::Kind::Warning);
        QCOMPARE(messages.messages()[0].text,
                 QStringLiteral("表头信息保存失败：%1\n同名的文件夹已存在")
                     .arg(QDir::toNativeSeparators(file)));

        QVERIFY(QDir(file).removeRecursively());
        messages.clear();
        QTest::mouseClick(f.control<QPushButton>("按钮5保存信息"), Qt::LeftButton);
        QVERIFY(messages.messages().isEmpty());
        QVERIFY(QFileInfo(file).isFile());
    }
};

QTEST_MAIN(ReportWindowTest)
#include "reportwindow_test.moc"
