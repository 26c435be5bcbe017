// SPDX-License-Identifier: MIT
// Moving around the window must never hand a result on: no message, no
// clipboard change, whatever page, nested tab, panel or window state the user
// goes through. Only Enter or Tab after a page's last input does.
#include "mainwindowfixture.h"
#include "pagedescriptor.h"
#include "selectorbutton.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTimer>
#include <QtTest>

using korvane::MainWindow;
using korvane::PageDescriptor;

namespace {

const QString kUntouched = QStringLiteral("untouched");

struct PageRef {
    int page;
    int nested;
};

std::vector<PageRef> allPages() {
    std::vector<PageRef> pages;
    for (const PageDescriptor& d : korvane::pageDescriptors())
        pages.push_back({d.page, d.nested});
    return pages;
}

// Goes to a page as the user does: the selector button, then the nested tab
// when the page has one and it shows the other tab.
void visit(MainWindowFixture& f, PageRef to) {
    QTest::mouseClick(f.window.selectorButton(to.page), Qt::LeftButton);
    if (QTabWidget* tabs = f.window.nestedTabs(to.page);
        tabs && tabs->currentIndex() != to.nested) {
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(to.nested).center());
    }
}

} // namespace

class PageTourTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QGuiApplication::clipboard()->setText(kUntouched); }

    void tourHandsNothingOn_data() {
        QTest::addColumn<bool>("panelOpen");
        QTest::addColumn<bool>("reverse");
        QTest::newRow("panel closed, forward") << false << false;
        QTest::newRow("panel closed, backward") << false << true;
        QTest::newRow("panel open, forward") << true << false;
        QTest::newRow("panel open, backward") << true << true;
    }
    void tourHandsNothingOn() {
        QFETCH(bool, panelOpen);
        QFETCH(bool, reverse);
        MainWindowFixture f;
        QVERIFY(f.active);
        QSignalSpy copies(&f.window, &MainWindow::quickCopyFocused);
        QSignalSpy adds(&f.window, &MainWindow::quickAddFocused);
        if (panelOpen)
            f.window.toggleSummaryPanel();
        std::vector<PageRef> pages = allPages();
        if (reverse)
            std::reverse(pages.begin(), pages.end());
        // Twice round, so that every page is left from the one before and
        // after it, and the plate page is reached with its first texts.
        for (int round = 0; round < 2; ++round) {
            for (PageRef page : pages) {
                visit(f, page);
                QCOMPARE(f.window.currentPage(), page.page);
                QCOMPARE(f.window.currentNestedPage(), page.nested);
                QCOMPARE(f.focusName(), QString::fromUtf8(f.window.currentDescriptor().focusField));
                QCOMPARE(f.messages.messages().size(), 0);
            }
        }
        // The panel toggle, the window hidden and shown again.
        f.window.toggleSummaryPanel();
        f.window.toggleSummaryPanel();
        f.window.hide();
        f.window.showStoredWindow();
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));

        QCOMPARE(copies.count(), 0);
        QCOMPARE(adds.count(), 0);
        QCOMPARE(f.messages.messages().size(), 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), kUntouched);
    }

    // A menu that closes gives the focus back to the length field with its
    // text untouched: "3*" waits there for the rest of the expression.
    void menuClosingKeepsTheLength() {
        MainWindowFixture f;
        QVERIFY(f.active);
        f.window.selectPage(1);
        auto* length = qobject_cast<QLineEdit*>(f.control(QStringLiteral("编辑框63")));
        QVERIFY(length->hasFocus());
        QTest::keyClicks(length, "3*");
        QMenu menu(&f.window);
        menu.addAction(QStringLiteral("粘贴"));
        QTimer::singleShot(50, &menu, &QMenu::close);
        menu.exec(length->mapToGlobal(QPoint(5, 5)));
        QTRY_VERIFY(length->hasFocus());
        QCOMPARE(length->text(), QStringLiteral("3*"));

        // Back in the window after another one was active: still there.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QTRY_VERIFY(length->hasFocus());
        QCOMPARE(length->text(), QStringLiteral("3*"));
        QCOMPARE(f.messages.messages().size(), 0);
    }
};

QTEST_MAIN(PageTourTest)
#include "pagetour_test.moc"
