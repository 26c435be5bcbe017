// SPDX-License-Identifier: MIT
#include "gbkstring.h"
#include "recordingmessageboxes.h"
#include "summarylist.h"
#include "summarypanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using korvane::SummaryItem;
using korvane::SummaryList;
using korvane::SummaryPanel;
using korvane::platform::RecordingMessageBoxes;

namespace {

SummaryItem item(const QStringList& texts) {
    SummaryItem line;
    for (int column = 0; column < SummaryItem::kColumnCount; ++column)
        line.cells[column] = korvane::toGbk(texts.value(column));
    return line;
}

// A line that only matters by its name and weight.
SummaryItem named(const QString& name, const QString& weight, const QString& number = {}) {
    return item({number, name, "", "", "", weight});
}

// The panel in its group box, beside a field standing for the page's focus
// field, with message boxes recorded instead of shown.
class PanelFixture {
  public:
    PanelFixture() {
        window.resize(578, 310);
        box->setGeometry(6, 0, 566, 276);
        field->setGeometry(6, 284, 100, 20);
        window.show();
        window.activateWindow();
        active = QTest::qWaitForWindowActive(&window);
        field->setFocus(Qt::OtherFocusReason);
    }

    template <typename Widget = QWidget> Widget* control(const char* name) const {
        return window.findChild<Widget*>(QString::fromUtf8(name));
    }
    QString label(const char* name) const { return control<QLabel>(name)->text(); }

    QStringList column(int column) const {
        QStringList texts;
        for (int row = 0; row < list->rowCount(); ++row)
            texts << list->item(row, column)->text();
        return texts;
    }
    QList<bool> checks() const {
        QList<bool> marks;
        for (int row = 0; row < list->rowCount(); ++row)
            marks << list->isChecked(row);
        return marks;
    }

    QPoint rowCenter(int row) const { return list->visualItemRect(list->item(row, 1)).center(); }
    void clickRow(int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCenter(row));
    }
    // As a click on the row's check box does it.
    void userCheck(int row, bool checked) {
        list->item(row, 0)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
    void press(const char* name) {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }

    RecordingMessageBoxes messages;
    QWidget window;
    QGroupBox* box = new QGroupBox(&window);
    QLineEdit* field = new QLineEdit(&window);
    SummaryPanel* panel = new SummaryPanel(box);
    SummaryList* list = panel->list();
    bool active = false;
};

const QStringList kThreeNames{"甲", "乙", "丙"};

void addThree(PanelFixture& f) {
    f.panel->appendLine(named("甲", "1"));
    f.panel->appendLine(named("乙", "2"));
    f.panel->appendLine(named("丙", "4"));
}

} // namespace

class SummaryPanelTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QGuiApplication::clipboard()->setText(QStringLiteral("untouched")); }

    void plateLineIsNumberedAndTotalled() {
        PanelFixture f;
        const QStringList plate{"",           "钢板",    "10mm*2.2m*12m*1块",
                                "78.50Kg/㎡", "26.40㎡", "2072.40"};
        f.panel->appendLine(item(plate));

        QStringList shown;
        for (int column = 0; column < SummaryItem::kColumnCount; ++column)
            shown << f.list->item(0, column)->text();
        QStringList expected = plate;
        expected[0] = "1";
        QCOMPARE(shown, expected);
        QCOMPARE(f.panel->rows(), std::vector{item(expected)});
        QCOMPARE(f.checks(), QList<bool>{false});
        QCOMPARE(f.label("标签1总重求和"), QStringLiteral("2072.4"));
        QCOMPARE(f.label("标签4选中求和"), QStringLiteral("0"));

        f.panel->appendLine(item(plate));
        QCOMPARE(f.column(0), (QStringList{"1", "2"}));
        QCOMPARE(f.label("标签1总重求和"), QStringLiteral("4144.8"));
    }

    void totalReadsWeightsAsNumbers_data() {
        QTest::addColumn<QStringList>("weights");
        QTest::addColumn<QString>("total");
        QTest::newRow("0.1 + 0.2 without binary noise") << QStringList{"0.1", "0.2"} << "0.3";
        QTest::newRow("texts without a number count 0") << QStringList{"", "无", "12.50"} << "12.5";
        QTest::newRow("full-width digits") << QStringList{"１２", "0.5"} << "12.5";
        QTest::newRow("13 significant digits")
            << QStringList{"1234567890.12345", "1"} << "1234567891.123";
    }

    void totalReadsWeightsAsNumbers() {
        QFETCH(QStringList, weights);
        PanelFixture f;
        for (const QString& weight : weights)
            f.panel->appendLine(named("钢板", weight));
        QTEST(f.label("标签1总重求和"), "total");
    }

    // Only a check mark the user changes counts; the panel's own changes
    // (loading, moving) leave the checked total alone.
    void checkedTotalFollowsCheckMarks() {
        PanelFixture f;
        addThree(f);
        f.userCheck(0, true);
        f.userCheck(2, true);
        QCOMPARE(f.label("标签4选中求和"), QStringLiteral("5"));
        f.userCheck(0, false);
        QCOMPARE(f.label("标签4选中求和"), QStringLiteral("4"));

        f.panel->setRows({named("甲", "100")});
        QCOMPARE(f.label("标签4选中求和"), QStringLiteral("4"));
        QCOMPARE(f.label("标签1总重求和"), QStringLiteral("7"));
    }

    void checkAllChecksEveryRowAndTotals() {
        PanelFixture f;
        f.panel->setRows({named("甲", "1", "1"), named("乙", "2", "2"), named("丙", "4", "3")});
        QCOMPARE(f.label("标签1总重求和"), QStringLiteral("0"));

        f.press("选择框1全选");
        QCOMPARE(f.checks(), (QList<bool>{true, true, true}));
        QCOMPARE(f.label("标签4选中求和"), QStringLiteral("7"));
        QCOMPARE(f.label("标签1总重求和"), QStringLiteral("7"));

        f.press("选择框1全选");
        QCOMPARE(f.checks(), (QList<bool>{false, false, false}));
        QCOMPARE(f.label("标签4选中求和"), QStringLiteral("0"));
    }

    void deleteCheckedRows_data() {
        QTest::addColumn<QList<int>>("checked");
        QTest::addColumn<QStringList>("remaining");
        QTest::addColumn<QString>("total");
        QTest::newRow("middle") << QList<int>{1} << QStringList{"甲", "丙"} << "5";
        QTest::newRow("two next to each other") << QList<int>{0, 1} << QStringList{"丙"} << "4";
        QTest::newRow("none: only renumbered") << QList<int>{} << kThreeNames << "7";
        QTest::newRow("all") << QList<int>{0, 1, 2} << QStringList{} << "0";
    }

    void deleteCheckedRows() {
        QFETCH(QList<int>, checked);
        QFETCH(QStringList, remaining);
        PanelFixture f;
        // Numbers out of list order, as moves with "序号换行" leave them.
        f.panel->setRows({named("甲", "1", "2"), named("乙", "2", "3"), named("丙", "4", "1")});
        f.control<QAbstractButton>("选择框1全选")->setChecked(true);
        for (int row : checked)
            f.userCheck(row, true);
        f.clickRow(2); // the highlighted row does not count

        f.press("按钮1删除选中项");
        QCOMPARE(f.column(1), remaining);
        QStringList numbers;
        for (int n = 1; n <= remaining.size(); ++n)
            numbers << QString::number(n);
        QCOMPARE(f.column(0), numbers);
        QTEST(f.label("标签1总重求和"), "total");
        QCOMPARE(f.label("标签4选中求和"), QStringLiteral("0"));
        QVERIFY(!f.control<QAbstractButton>("选择框1全选")->isChecked());
    }

    void spinnerAtTheEnds_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("selected"); // -1: none
        QTest::addColumn<QByteArray>("arrow");
        QTest::addColumn<QString>("warning"); // empty: no message
        QTest::newRow("up on the first row") << 3 << 0 << QByteArray("调节器1上") << "到顶了！！";
        QTest::newRow("down on the last row") << 3 << 2 << QByteArray("调节器1下") << "到底了！！";
        QTest::newRow("down on an empty list")
            << 0 << -1 << QByteArray("调节器1下") << "到底了！！";
        QTest::newRow("up on an empty list") << 0 << -1 << QByteArray("调节器1上") << "";
        QTest::newRow("up, none selected") << 3 << -1 << QByteArray("调节器1上") << "";
        QTest::newRow("down, none selected") << 3 << -1 << QByteArray("调节器1下") << "";
    }

    void spinnerAtTheEnds() {
        QFETCH(int, rows);
        QFETCH(int, selected);
        QFETCH(QByteArray, arrow);
        QFETCH(QString, warning);
        PanelFixture f;
        if (rows > 0)
            addThree(f);
        if (selected >= 0)
            f.clickRow(selected);

        f.press(arrow.constData());
        if (warning.isEmpty()) {
            QVERIFY(f.messages.messages().isEmpty());
        } else {
            QCOMPARE(f.messages.messages().size(), 1);
            QCOMPARE(f.messages.messages()[0].kind, RecordingMessageBoxes::Kind::Warning);
            QCOMPARE(f.messages.messages()[0].text, warning);
        }
        QCOMPARE(f.column(1), rows > 0 ? kThreeNames : QStringList{});
        QCOMPARE(f.list->selectedRow(), selected);
    }

    void moveCheckedRow_data() {
        QTest::addColumn<bool>("numbersTravel"); // "序号换行"
        QTest::addColumn<int>("from");
        QTest::addColumn<QByteArray>("arrow");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<int>("to");
        QTest::newRow("up, numbers in list order")
            << false << 1 << QByteArray("调节器1上") << QStringList{"1", "2", "3"} << 0;
        QTest::newRow("up, numbers travel")
            << true << 1 << QByteArray("调节器1上") << QStringList{"2", "1", "3"} << 0;
        QTest::newRow("down, numbers in list order")
            << false << 0 << QByteArray("调节器1下") << QStringList{"1", "2", "3"} << 1;
        QTest::newRow("down, numbers travel")
            << true << 0 << QByteArray("调节器1下") << QStringList{"2", "1", "3"} << 1;
    }

    // The moved row keeps its check mark and arrives highlighted and with the
    // keyboard focus; the checked total is still the sum of the checked lines.
    void moveCheckedRow() {
        QFETCH(bool, numbersTravel);
        QFETCH(int, from);
        QFETCH(QByteArray, arrow);
        QFETCH(int, to);
        PanelFixture f;
        QVERIFY(f.active);
        addThree(f);
        f.control<QAbstractButton>("选择框1是否第一列")->setChecked(numbersTravel);
        f.userCheck(from, true);
        f.clickRow(from);
        f.field->setFocus(Qt::OtherFocusReason);
        const QString checkedTotal = f.label("标签4选中求和");

        f.press(arrow.constData());
        QVERIFY(f.messages.messages().isEmpty());
        QCOMPARE(f.column(1), (QStringList{"乙", "甲", "丙"}));
        QTEST(f.column(0), "numbers");
        QList<bool> checks{false, false, false};
        checks[to] = true;
        QCOMPARE(f.checks(), checks);
        QCOMPARE(f.list->selectedRow(), to);
        QCOMPARE(QApplication::focusWidget(), f.list);
        QCOMPARE(f.label("标签4选中求和"), checkedTotal);
        QCOMPARE(f.label("标签1总重求和"), QStringLiteral("7"));
    }

    void copyCellUnderPointer_data() {
        QTest::addColumn<int>("x"); // columns end at 40, 125, 265, 355, 425, 495
        QTest::addColumn<bool>("belowRows");
        QTest::addColumn<QString>("copied"); // null: nothing copied, no message
        QTest::newRow("left edge") << 0 << false << "2";
        QTest::newRow("last pixel of 序号") << 39 << false << "2";
        QTest::newRow("boundary 序号|材料名称") << 40 << false << "乙";
        QTest::newRow("boundary 规格型号|理论重量") << 265 << false << "2.5Kg/m";
        QTest::newRow("inside 数量") << 390 << false << "3m";
        QTest::newRow("last pixel of 重量") << 494 << false << "7.5";
        // The edge still names the last column, but lies outside the row:
        // the double click leaves no row selected.
        QTest::newRow("right edge of the last column") << 495 << false << "";
        QTest::newRow("right of the last column") << 496 << false << QString();
        QTest::newRow("free area below the last row") << 100 << true << "";
    }

    void copyCellUnderPointer() {
        QFETCH(int, x);
        QFETCH(bool, belowRows);
        QFETCH(QString, copied);
        PanelFixture f;
        f.panel->appendLine(item({"", "甲", "", "", "", "1"}));
        f.panel->appendLine(item({"", "乙", "L50*5", "2.5Kg/m", "3m", "7.5"}));
        f.panel->appendLine(item({"", "丙", "", "", "", "1"}));
        QVERIFY(f.list->viewport()->width() > 496);
        f.clickRow(1);

        const int y = belowRows ? f.list->viewport()->height() - 4 : f.rowCenter(1).y();
        QTest::mouseDClick(f.list->viewport(), Qt::LeftButton, {}, QPoint(x, y));
        if (copied.isNull()) {
            QVERIFY(f.messages.messages().isEmpty());
            QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
            return;
        }
        QCOMPARE(f.messages.messages().size(), 1);
        QCOMPARE(f.messages.messages()[0].kind, RecordingMessageBoxes::Kind::Plain);
        QCOMPARE(f.messages.messages()[0].text, QStringLiteral("复制成功：") + copied);
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    }

    void deleteKeepsTheHighlight_data() {
        QTest::addColumn<QList<int>>("checked");
        QTest::addColumn<int>("clicked"); // -1: none
        QTest::addColumn<QStringList>("remaining");
        QTest::addColumn<QString>("highlighted"); // empty: none
        QTest::newRow("kept, rows above deleted")
            << QList<int>{0, 1} << 3 << QStringList{"2", "3", "4", "5"} << "3";
        QTest::newRow("deleted: the next row below")
            << QList<int>{2, 3} << 2 << QStringList{"0", "1", "4", "5"} << "4";
        QTest::newRow("deleted with the row above: the next row below")
            << QList<int>{1, 2} << 2 << QStringList{"0", "3", "4", "5"} << "3";
        QTest::newRow("deleted, none below: the row above")
            << QList<int>{4, 5} << 5 << QStringList{"0", "1", "2", "3"} << "3";
        QTest::newRow("deleted, none below, gaps above")
            << QList<int>{1, 3, 4, 5} << 4 << QStringList{"0", "2"} << "2";
        QTest::newRow("none highlighted")
            << QList<int>{1, 3, 4, 5} << -1 << QStringList{"0", "2"} << "";
        QTest::newRow("all deleted") << QList<int>{0, 1, 2, 3, 4, 5} << 2 << QStringList{} << "";
        QTest::newRow("every other, kept")
            << QList<int>{0, 2, 4} << 3 << QStringList{"1", "3", "5"} << "3";
    }

    // The highlight and the current cell stay on their line; when that line
    // is deleted they go to the nearest remaining line below it, else above.
    void deleteKeepsTheHighlight() {
        QFETCH(QList<int>, checked);
        QFETCH(int, clicked);
        QFETCH(QString, highlighted);
        PanelFixture f;
        std::vector<SummaryItem> rows;
        for (int i = 0; i < 6; ++i)
            rows.push_back(named(QString::number(i), "1"));
        f.panel->setRows(rows);
        for (int row : checked)
            f.userCheck(row, true);
        if (clicked >= 0)
            f.clickRow(clicked);

        f.press("按钮1删除选中项");
        QTEST(f.column(1), "remaining");
        const int row = f.list->selectedRow();
        QCOMPARE(row < 0 ? QString() : f.list->item(row, 1)->text(), highlighted);
        QCOMPARE(f.list->currentIndex().row(), row);
        QCOMPARE(f.list->currentIndex().column(), row < 0 ? -1 : 1);
        QCOMPARE(f.checks(), QList<bool>(f.list->rowCount(), false));
    }

    // Deleting rows above the highlighted one does not scroll the list to it;
    // the highlight moves up with its line.
    void deleteLeavesTheListWhereItWas() {
        PanelFixture f;
        std::vector<SummaryItem> rows;
        for (int i = 0; i < 100; ++i)
            rows.push_back(named(QString::number(i), "1"));
        f.panel->setRows(rows);
        f.list->scrollToBottom();
        QApplication::processEvents();
        f.clickRow(95);
        // The highlighted row out of sight.
        const int scrolled = f.list->verticalScrollBar()->value() / 2;
        f.list->verticalScrollBar()->setValue(scrolled);
        QVERIFY(scrolled > 10);
        for (int row = 0; row < 10; ++row)
            f.userCheck(row, true);

        f.press("按钮1删除选中项");
        QApplication::processEvents();
        QCOMPARE(f.list->rowCount(), 90);
        QCOMPARE(f.list->item(f.list->selectedRow(), 1)->text(), QStringLiteral("95"));
        QCOMPARE(f.list->verticalScrollBar()->value(), scrolled);
    }

    void setRowsReplacesRowsAsGiven() {
        PanelFixture f;
        f.panel->appendLine(named("甲", "1"));
        f.userCheck(0, true);
        const std::vector<SummaryItem> loaded{named("乙", "2", "7"), named("丙", "4", "8")};
        f.panel->setRows(loaded);
        QCOMPARE(f.panel->rows(), loaded);
        QCOMPARE(f.checks(), (QList<bool>{false, false}));
        QCOMPARE(f.label("标签1总重求和"), QStringLiteral("1"));
    }

    // A list saved on Windows may hold characters a user made in a
    // user-defined area of GBK (here AAA1 and FEFE in a name): they come back
    // from the list as the same bytes.
    void userMadeCharactersComeBackByteForByte() {
        PanelFixture f;
        SummaryItem line = named("", "3", "1");
        line.cells[1] = "\xB8\xD6\xAA\xA1\xFE\xFE";
        f.panel->setRows({line});
        QCOMPARE(f.list->item(0, 1)->text(), QStringLiteral("钢\uE000\uE4C5"));
        QCOMPARE(f.panel->rows(), std::vector<SummaryItem>{line});
    }

    void buttonsAskTheMainWindow_data() {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("request"); // 0 add, 1 save, 2 report
        QTest::newRow("添加") << QByteArray("按钮1添加") << 0;
        QTest::newRow("保存材料") << QByteArray("按钮4保存") << 1;
        QTest::newRow("导出打印") << QByteArray("按钮3材料汇总") << 2;
    }

    // Each button asks for its own work, and the keyboard focus stays in the
    // page's field.
    void buttonsAskTheMainWindow() {
        QFETCH(QByteArray, button);
        QFETCH(int, request);
        PanelFixture f;
        QVERIFY(f.active);
        QSignalSpy add(f.panel, &SummaryPanel::addRequested);
        QSignalSpy save(f.panel, &SummaryPanel::saveRequested);
        QSignalSpy report(f.panel, &SummaryPanel::reportRequested);
        f.press(button.constData());
        QCOMPARE(
            (QList<qsizetype>{add.size(), save.size(), report.size()}),
            (QList<qsizetype>{request == 0 ? 1 : 0, request == 1 ? 1 : 0, request == 2 ? 1 : 0}));
        QCOMPARE(QApplication::focusWidget(), f.field);
    }
};

QTEST_MAIN(SummaryPanelTest)
#include "summarypanel_test.moc"
