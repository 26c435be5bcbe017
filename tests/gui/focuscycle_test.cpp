// SPDX-License-Identifier: MIT
#include "mainwindowfixture.h"
#include "selectorbutton.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using korvane::MainWindow;

namespace {
const QString kQuickAdd = QStringLiteral("按钮4隐藏了");
const QString kQuickCopy = QStringLiteral("按钮5复制隐藏了");

QStringList names(const char* spaced) {
    QStringList list = QString::fromUtf8(spaced).split(u' ');
    for (QString& name : list) {
        if (name == u"+")
            name = kQuickAdd;
        else if (name == u"=")
            name = kQuickCopy;
    }
    return list;
}
} // namespace

class FocusCycleTest : public QObject {
    Q_OBJECT
  private slots:
    // Every page's cycle, hidden buttons included: the panel is open, the copy
    // function on, and the hidden buttons keep the focus they get.
    void fullCycle_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("nested");
        QTest::addColumn<QStringList>("order");
        // "+" quick add, "=" quick copy
        QTest::newRow("中厚板") << 0 << 0 << names("编辑框1 编辑框4 编辑框3 编辑框2 + =");
        QTest::newRow("花纹钢板") << 0 << 1 << names("超级列表框9 编辑框12 + =");
        QTest::newRow("工字钢") << 1 << 0 << names("超级列表框1 编辑框63 + =");
        QTest::newRow("等边角钢") << 2 << 0 << names("超级列表框2 编辑框69 + =");
        QTest::newRow("不等边角钢") << 2 << 1 << names("超级列表框3 编辑框70 + =");
        QTest::newRow("槽钢") << 3 << 0 << names("超级列表框4 编辑框77 + =");
        QTest::newRow("H型钢查表法") << 4 << 0 << names("超级列表框5 编辑框89 + =");
        QTest::newRow("H型钢计算法")
            << 4 << 1 << names("编辑框92 编辑框93 编辑框94 编辑框95 编辑框96 = +");
        QTest::newRow("矩形管") << 5 << 0 << names("编辑框8 编辑框43 编辑框44 编辑框45 + =");
        QTest::newRow("圆管") << 6 << 0 << names("编辑框55 编辑框54 编辑框56 + =");
        QTest::newRow("焊接钢管") << 7 << 0 << names("超级列表框7 编辑框81 + =");
        QTest::newRow("圆钢") << 8 << 0 << names("编辑框48 编辑框49 + =");
        QTest::newRow("扁钢") << 9 << 0 << names("编辑框61 编辑框60 编辑框57 + =");
        QTest::newRow("钢轨") << 10 << 0 << names("超级列表框6 编辑框85 + =");
        QTest::newRow("C型钢") << 11 << 0 << names("超级列表框8 编辑框100 + =");
        QTest::newRow("磅差计算") << 12 << 0 << names("编辑框40 编辑框39 + =");
        QTest::newRow("金额大写转换") << 12 << 1 << names("编辑框42 编辑框41 + =");
    }
    void fullCycle() {
        QFETCH(int, page);
        QFETCH(int, nested);
        QFETCH(QStringList, order);
        MainWindowFixture f;
        QVERIFY(f.active);
        // The hidden buttons do no work here: they keep the focus they get.
        QObject::disconnect(&f.window, &MainWindow::quickCopyFocused, nullptr, nullptr);
        QObject::disconnect(&f.window, &MainWindow::quickAddFocused, nullptr, nullptr);
        f.window.setHiddenButtonsKeepFocus(true);
        f.window.toggleSummaryPanel();
        f.showPage(page, nested);
        f.control(order.first())->setFocus();
        for (bool enter : {true, false}) {
            // Twice round, so that the wrap from the last control is seen as well.
            for (int step = 1; step <= 2 * order.size(); ++step) {
                if (enter) {
                    // A focused hidden button is clicked by Enter; Tab moves on from it.
                    if (qobject_cast<QPushButton*>(QApplication::focusWidget()))
                        f.window.advanceFocus();
                    else
                        f.pressEnter();
                } else {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                }
                QCOMPARE(f.focusName(), order[step % order.size()]);
            }
        }
    }

    // Enter after the last input of a page lands on the hidden button that comes
    // first and is visible, which sends the focus back to the page's focus field.
    void enterAfterLastInput_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("nested");
        QTest::addColumn<QString>("lastInput");
        QTest::addColumn<bool>("panelOpen");
        QTest::addColumn<bool>("copyOn");
        QTest::addColumn<QString>("button"); // empty: no hidden button takes the focus
        QTest::addColumn<QString>("focusAfter");
        const QString field1 = QStringLiteral("编辑框1");
        QTest::newRow("plate, quick copy")
            << 0 << 0 << "编辑框2" << false << true << kQuickCopy << field1;
        QTest::newRow("plate, panel open: quick add")
            << 0 << 0 << "编辑框2" << true << true << kQuickAdd << field1;
        QTest::newRow("plate, copy off: wraps")
            << 0 << 0 << "编辑框2" << false << false << QString() << field1;
        QTest::newRow("I-beam, copy off: wraps to the list")
            << 1 << 0 << "编辑框63" << false << false << QString() << QStringLiteral("超级列表框1");
        QTest::newRow("I-beam, quick copy")
            << 1 << 0 << "编辑框63" << false << true << kQuickCopy << "编辑框63";
        QTest::newRow("H-beam formula, panel open: quick copy first")
            << 4 << 1 << "编辑框96" << true << true << kQuickCopy << "编辑框92";
        QTest::newRow("H-beam formula, panel open, copy off: quick add")
            << 4 << 1 << "编辑框96" << true << false << kQuickAdd << "编辑框92";
        // The quick add does nothing on the auxiliary page and keeps the focus.
        QTest::newRow("amount, panel open: quick add")
            << 12 << 1 << "编辑框41" << true << true << kQuickAdd << kQuickAdd;
        QTest::newRow("round bar focus field is the diameter")
            << 8 << 0 << "编辑框49" << false << true << kQuickCopy << "编辑框48";
    }
    void enterAfterLastInput() {
        QFETCH(int, page);
        QFETCH(int, nested);
        QFETCH(QString, lastInput);
        QFETCH(bool, panelOpen);
        QFETCH(bool, copyOn);
        QFETCH(QString, button);
        QFETCH(QString, focusAfter);
        MainWindowFixture f;
        QVERIFY(f.active);
        if (panelOpen)
            f.window.toggleSummaryPanel();
        f.window.setCopyFunction(copyOn);
        f.showPage(page, nested);
        QSignalSpy copySpy(&f.window, &MainWindow::quickCopyFocused);
        QSignalSpy addSpy(&f.window, &MainWindow::quickAddFocused);
        f.control(lastInput)->setFocus();
        f.pressEnter();
        QCOMPARE(copySpy.count(), button == kQuickCopy ? 1 : 0);
        QCOMPARE(addSpy.count(), button == kQuickAdd ? 1 : 0);
        QCOMPARE(f.focusName(), focusAfter);
    }

    void selectPageFocus_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("nestedShown");
        QTest::addColumn<QString>("field");
        const char* const fields[] = {"编辑框1",  "编辑框63",  "编辑框69", "编辑框77", "编辑框89",
                                      "编辑框8",  "编辑框55",  "编辑框81", "编辑框48", "编辑框61",
                                      "编辑框85", "编辑框100", "编辑框40"};
        for (int page = 0; page < 13; ++page)
            QTest::addRow("page %d", page) << page << 0 << QString::fromUtf8(fields[page]);
        QTest::newRow("花纹钢板 shown") << 0 << 1 << "编辑框12";
        QTest::newRow("不等边角钢 shown") << 2 << 1 << "编辑框70";
        QTest::newRow("计算法 shown") << 4 << 1 << "编辑框92";
        QTest::newRow("金额大写转换 shown") << 12 << 1 << "编辑框41";
    }
    void selectPageFocus() {
        QFETCH(int, page);
        QFETCH(int, nestedShown);
        QFETCH(QString, field);
        MainWindowFixture f;
        QVERIFY(f.active);
        if (QTabWidget* tabs = f.window.nestedTabs(page))
            tabs->setCurrentIndex(nestedShown);
        // Start from another page, and a second click on the page shown still focuses its field.
        f.window.selectPage(page == 5 ? 6 : 5);
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(f.window.selectorButton(page), Qt::LeftButton);
            QCOMPARE(f.window.currentPage(), page);
            QCOMPARE(f.focusName(), field);
            QCOMPARE(f.window.focusField()->objectName(), field);
            for (int other = 0; other < 13; ++other)
                QCOMPARE(f.window.selectorButton(other)->isChecked(), other == page);
            f.control(QStringLiteral("按钮3"))->setFocus();
        }
    }

    void startsOnPlatePageWithNoButtonPressed() {
        MainWindowFixture f;
        QVERIFY(f.active);
        QCOMPARE(f.window.currentPage(), 0);
        QCOMPARE(f.window.currentNestedPage(), 0);
        QCOMPARE(f.window.currentSectionKind(), korvane::SectionKind::Plate);
        for (int page = 0; page < 13; ++page)
            QVERIFY(!f.window.selectorButton(page)->isChecked());
    }

    void nestedTabClickFocusesItsFirstField_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("nested");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("plateShown");
        QTest::newRow("中厚板") << 0 << 0 << "编辑框1" << true;
        QTest::newRow("花纹钢板") << 0 << 1 << "编辑框12" << false;
        QTest::newRow("不等边角钢") << 2 << 1 << "编辑框70" << false;
        QTest::newRow("计算法") << 4 << 1 << "编辑框92" << false;
        QTest::newRow("查表法") << 4 << 0 << "编辑框89" << false;
        QTest::newRow("金额大写转换") << 12 << 1 << "编辑框41" << false;
    }
    void nestedTabClickFocusesItsFirstField() {
        QFETCH(int, page);
        QFETCH(int, nested);
        QFETCH(QString, field);
        QFETCH(bool, plateShown);
        MainWindowFixture f;
        QVERIFY(f.active);
        QTabWidget* tabs = f.window.nestedTabs(page);
        tabs->setCurrentIndex(1 - nested);
        f.window.selectPage(page);
        QSignalSpy plate(&f.window, &MainWindow::platePageShown);
        tabs->setCurrentIndex(nested);
        QCOMPARE(f.focusName(), field);
        QCOMPARE(plate.count(), plateShown ? 1 : 0);
    }

    void plateResultRecomputedOnSelect() {
        MainWindowFixture f;
        QVERIFY(f.active);
        QSignalSpy plate(&f.window, &MainWindow::platePageShown);
        QTest::mouseClick(f.window.selectorButton(0), Qt::LeftButton);
        QCOMPARE(plate.count(), 1);
        f.window.nestedTabs(0)->setCurrentIndex(1);
        plate.clear();
        QTest::mouseClick(f.window.selectorButton(0), Qt::LeftButton);
        QCOMPARE(plate.count(), 0);
    }

    // Changing the main page directly focuses nested page 0's field on the angle
    // and H-beam pages, whatever their nested tab shows.
    void mainTabChangeFocus_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("field");
        QTest::newRow("工字钢") << 1 << "编辑框63";
        QTest::newRow("角钢") << 2 << "编辑框69";
        QTest::newRow("H型钢") << 4 << "编辑框89";
        QTest::newRow("辅助功能") << 12 << "编辑框40";
    }
    void mainTabChangeFocus() {
        QFETCH(int, page);
        QFETCH(QString, field);
        MainWindowFixture f;
        QVERIFY(f.active);
        f.window.mainTabs()->setCurrentIndex(page);
        QCOMPARE(f.focusName(), field);
    }
};

QTEST_MAIN(FocusCycleTest)
#include "focuscycle_test.moc"
