// SPDX-License-Identifier: MIT
#include "mainmenu.h"
#include "mainwindowfixture.h"
#include "selectorbutton.h"

#include <QAction>
#include <QCryptographicHash>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>

using korvane::MainWindow;

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void frameAsDesigned() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Korvane2019版-免费版"));
        QCOMPARE(window.pos(), QPoint(680, 20));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(flags & Qt::WindowStaysOnTopHint));
    }

    void controlsAtTheirPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("caption");
        const struct {
            const char* name;
            QRect rect;
            const char* caption;
        } rows[] = {
            {"超级按钮1", {9, 6, 40, 24}, "钢板"},
            {"超级按钮2", {49, 6, 50, 24}, "工字钢"},
            {"超级按钮3", {99, 6, 40, 24}, "角钢"},
            {"超级按钮4", {139, 6, 40, 24}, "槽钢"},
            {"超级按钮5", {179, 6, 50, 24}, "H型钢"},
            {"超级按钮6", {229, 6, 50, 24}, "矩形管"},
            {"超级按钮7", {279, 6, 40, 24}, "圆管"},
            {"超级按钮8", {319, 6, 40, 24}, "焊管"},
            {"超级按钮9", {359, 6, 40, 24}, "圆钢"},
            {"超级按钮10", {399, 6, 40, 24}, "扁钢"},
            {"超级按钮11", {439, 6, 40, 24}, "钢轨"},
            {"超级按钮12", {479, 6, 50, 24}, "C型钢"},
            {"超级按钮13", {529, 6, 40, 24}, "辅助"},
            {"选择夹1", {0, -5, 582, 295}, ""},
            {"选择框1", {19, 260, 79, 25}, "总在最前"},
            {"计算器", {355, 260, 24, 24}, ""},
            {"按钮2打开材料汇总", {384, 260, 90, 24}, "打开材料汇总"},
            {"按钮3", {504, 260, 70, 24}, "退出"},
            {"标签15遮挡", {0, 255, 584, 36}, ""},
            {"按钮5复制隐藏了", {-58, 224, 56, 40}, ""},
            {"按钮4隐藏了", {580, 288, 48, 56}, ""},
            {"分组框2", {6, 292, 566, 276}, ""},
        };
        for (const auto& row : rows)
            QTest::newRow(row.name)
                << QString::fromUtf8(row.name) << row.rect << QString::fromUtf8(row.caption);
    }
    void controlsAtTheirPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(QString, caption);
        MainWindow window;
        auto* control = window.findChild<QWidget*>(name);
        QVERIFY(control != nullptr);
        QCOMPARE(control->parentWidget(), window.centralWidget());
        QCOMPARE(control->geometry(), rect);
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            QCOMPARE(button->text(), caption);
    }

    // Pages place their controls relative to the tab control, nested pages below their tabs.
    void pagesShareTheTabControlsOrigin() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int page = 0; page < 13; ++page) {
            QWidget* pageWidget = window.mainTabs()->widget(page);
            QCOMPARE(pageWidget->mapTo(window.centralWidget(), QPoint(0, 0)), QPoint(0, -5));
        }
        for (int page : {0, 2, 4, 12}) {
            QTabWidget* nested = window.nestedTabs(page);
            QVERIFY(nested != nullptr);
            QCOMPARE(nested->geometry(), QRect(0, 41, 580, 254));
            QCOMPARE(nested->count(), 2);
            QCOMPARE(window.pageWidget(page, 1), nested->widget(1));
        }
        QCOMPARE(window.pageWidget(1), window.mainTabs()->widget(1));
        QCOMPARE(window.pageWidget(1, 1), nullptr);
    }

    void bottomBarFitsTheClientArea() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect client = window.centralWidget()->rect();
        QCOMPARE(client.size(), QSize(578, 291));
        for (const char* name : {"选择框1", "计算器", "按钮2打开材料汇总", "按钮3"}) {
            QWidget* control = window.findChild<QWidget*>(QString::fromUtf8(name));
            QVERIFY2(client.contains(control->geometry()), name);
        }
        for (int page = 0; page < 13; ++page)
            QVERIFY(client.contains(window.selectorButton(page)->geometry()));
        // Everything of the selector bar and bottom bar is on screen, below the menu bar.
        QVERIFY(window.centralWidget()->geometry().bottom() < window.height());
    }

    void summaryPanelToggles() {
        MainWindowFixture f;
        QVERIFY(f.active);
        auto* button = qobject_cast<QPushButton*>(f.control(QStringLiteral("按钮2打开材料汇总")));
        QAction* copySubmenu = f.window.mainMenu()->copyFunctionMenu()->menuAction();
        QSignalSpy toggled(&f.window, &MainWindow::summaryPanelToggled);
        const int closedHeight = f.window.height();

        auto expectClosed = [&] {
            QCOMPARE(f.window.designHeight(), 336);
            QCOMPARE(f.window.centralWidget()->height(), 291);
            QCOMPARE(f.window.height(), closedHeight);
            QCOMPARE(button->text(), QStringLiteral("打开材料汇总"));
            QVERIFY(!f.window.quickAddButton()->isVisibleTo(&f.window));
            QVERIFY(copySubmenu->isVisible());
            QVERIFY(!f.window.summaryPanelOpen());
        };
        expectClosed();
        // The list and its controls are made by the first opening, on screen.
        QVERIFY(f.window.builtSummary() == nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(f.window.builtSummary() != nullptr);
        for (const char* name : {"超级列表框1汇总", "按钮4保存", "按钮3材料汇总", "选择框1全选"})
            QVERIFY2(f.control(QString::fromUtf8(name))->isVisible(), name);
        QCOMPARE(f.window.designHeight(), 620);
        QCOMPARE(f.window.height(), closedHeight + 620 - 336);
        QCOMPARE(button->text(), QStringLiteral("关闭材料汇总"));
        QVERIFY(f.window.quickAddButton()->isVisibleTo(&f.window));
        QVERIFY(!copySubmenu->isVisible());
        QVERIFY(f.window.centralWidget()->rect().contains(f.window.summaryPanel()->geometry()));
        QCOMPARE(toggled.count(), 1);
        QCOMPARE(toggled.last().first().toBool(), true);

        QTest::mouseClick(button, Qt::LeftButton);
        expectClosed();
        QCOMPARE(toggled.count(), 2);
        QCOMPARE(toggled.last().first().toBool(), false);
    }

    // Copy function switched through the menu items; "on" twice changes nothing.
    void copyFunctionMenu_data() {
        QTest::addColumn<QString>("items"); // 开/关 chosen in order
        QTest::addColumn<bool>("on");
        QTest::newRow("start") << "" << true;
        QTest::newRow("关") << "关" << false;
        QTest::newRow("关 关") << "关关" << false;
        QTest::newRow("开 while on") << "开" << true;
        QTest::newRow("关 开") << "关开" << true;
        QTest::newRow("关 开 开") << "关开开" << true;
    }
    void copyFunctionMenu() {
        QFETCH(QString, items);
        QFETCH(bool, on);
        MainWindow window;
        korvane::MainMenu* menu = window.mainMenu();
        for (QChar item : items)
            (item == u'开' ? menu->copyOn() : menu->copyOff())->trigger();
        QCOMPARE(window.copyFunctionOn(), on);
        QCOMPARE(window.quickCopyButton()->isVisibleTo(&window), on);
        QCOMPARE(menu->copyOn()->isChecked(), on);
        QCOMPARE(menu->copyOff()->isChecked(), !on);
    }

    void copyFunctionKeptWhilePanelOpen() {
        MainWindow window;
        window.mainMenu()->copyOff()->trigger();
        window.toggleSummaryPanel();
        window.toggleSummaryPanel();
        QVERIFY(!window.copyFunctionOn());
        QVERIFY(window.mainMenu()->copyOff()->isChecked());
    }

    void menuBarAsDesigned() {
        MainWindow window;
        QStringList titles;
        for (QAction* action : window.menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles, QStringList({"菜单", "更新", "查看", "帮助"}));
        korvane::MainMenu* menu = window.mainMenu();
        QVERIFY(!menu->showWindow()->isVisible());
        QCOMPARE(menu->trayMenu()->actions(), QList<QAction*>{menu->exitProgram()});
        QCOMPARE(menu->exitProgram()->text(), QStringLiteral("退出软件"));
    }

    void closeBoxHides() {
        MainWindowFixture f;
        QVERIFY(f.active);
        QSignalSpy hidden(&f.window, &MainWindow::hiddenByCloseBox);
        QSignalSpy exit(&f.window, &MainWindow::exitRequested);
        QVERIFY(!f.window.close());
        QVERIFY(!f.window.isVisible());
        QCOMPARE(hidden.count(), 1);
        QCOMPARE(exit.count(), 0);
        f.window.showStoredWindow();
        QVERIFY(f.window.isVisible());
    }

    void minimisingHides() {
        MainWindowFixture f;
        QVERIFY(f.active);
        f.window.showMinimized();
        QTRY_VERIFY(!f.window.isVisible());
        f.window.showStoredWindow();
        QVERIFY(f.window.isVisible());
        QVERIFY(!f.window.isMinimized());
    }

    void alwaysOnTopFollowsTheCheckBox() {
        MainWindowFixture f;
        QVERIFY(f.active);
        auto* box = qobject_cast<QAbstractButton*>(f.control(QStringLiteral("选择框1")));
        QVERIFY(!box->isChecked());
        box->click();
        QVERIFY(f.window.alwaysOnTop());
        QVERIFY(f.window.isVisible());
        QCOMPARE(f.window.pos(), QPoint(680, 20));
        box->click();
        QVERIFY(!f.window.alwaysOnTop());
    }

    // Each selector button has a clip of its own: 8 kHz 16-bit mono WAV, 0.8 to 1.2 s.
    void selectorClips() {
        MainWindow window;
        QSet<QByteArray> seen;
        for (int page = 0; page < 13; ++page) {
            const QUrl clip = window.selectorButton(page)->clip();
            QCOMPARE(clip.scheme(), QStringLiteral("qrc"));
            QFile file(u':' + clip.path());
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(clip.toString()));
            const QByteArray wav = file.readAll();
            QVERIFY(wav.size() > 44);
            QCOMPARE(wav.left(4), QByteArray("RIFF"));
            QCOMPARE(wav.mid(8, 4), QByteArray("WAVE"));
            const auto u16 = [&](int at) {
                return qFromLittleEndian<quint16>(wav.constData() + at);
            };
            const auto u32 = [&](int at) {
                return qFromLittleEndian<quint32>(wav.constData() + at);
            };
            QCOMPARE(u16(20), quint16(1)); // PCM
            QCOMPARE(u16(22), quint16(1)); // mono
            QCOMPARE(u32(24), quint32(8000));
            QCOMPARE(u16(34), quint16(16));
            const double seconds = double(wav.size() - 44) / (8000 * 2);
            QVERIFY2(seconds >= 0.8 && seconds <= 1.2, qPrintable(QString::number(seconds)));
            seen.insert(QCryptographicHash::hash(wav, QCryptographicHash::Sha1));
        }
        QCOMPARE(seen.size(), 13);
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
