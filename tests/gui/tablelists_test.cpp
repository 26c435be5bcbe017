// SPDX-License-Identifier: MIT
// Every row of every standard table can be reached with the mouse: scrolled
// to the end, a list's last row must lie in the open, not under the bottom
// bar, and a click on it fills the page.
#include "gbkstring.h"
#include "mainwindowfixture.h"
#include "pagedescriptor.h"
#include "sectiontable.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

using korvane::ControlKind;
using korvane::PageDescriptor;

namespace {

const char* nameOfKind(const PageDescriptor& d, ControlKind kind) {
    for (const korvane::ControlRow& row : d.controls)
        if (row.kind == kind)
            return row.name;
    return nullptr;
}

} // namespace

class TableListsTest : public QObject {
    Q_OBJECT
  private slots:
    void lastRowCanBeClicked_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("nested");
        for (const PageDescriptor& d : korvane::tablePageDescriptors())
            QTest::addRow("%s", d.quickCopy.kindWord) << d.page << d.nested;
    }
    void lastRowCanBeClicked() {
        QFETCH(int, page);
        QFETCH(int, nested);
        MainWindowFixture f;
        QVERIFY(f.active);
        if (QTabWidget* tabs = f.window.nestedTabs(page))
            tabs->setCurrentIndex(nested);
        f.window.selectPage(page);
        const PageDescriptor& d = *korvane::pageDescriptor(page, nested);
        auto* list = f.window.findChild<QTableWidget*>(nameOfKind(d, ControlKind::List));
        auto* g = f.window.findChild<QLineEdit*>(nameOfKind(d, ControlKind::ResultBlue));
        QVERIFY(list && g);
        const korvane::SectionTable& table = *korvane::sectionTable(d.kind);
        const int last = list->rowCount() - 1;
        QCOMPARE(last, table.rowCount() - 1);

        list->scrollToBottom();
        const QRect rowRect = list->visualRect(list->model()->index(last, 0));
        // The whole row, not only a sliver of it, is inside the viewport...
        QVERIFY(list->viewport()->rect().contains(rowRect));
        // ...and nothing of the window lies over it.
        QWidget* client = f.window.centralWidget();
        for (QPoint corner : {rowRect.topLeft(), rowRect.bottomLeft() + QPoint(0, 0),
                              rowRect.center(), rowRect.bottomRight()}) {
            const QPoint there = list->viewport()->mapTo(client, corner);
            QCOMPARE(client->childAt(there), list->viewport());
        }
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowRect.center());
        QCOMPARE(g->text(), korvane::fromGbk(table.weightText(last)));
    }

    // Headers sit over their column's texts: left, centred or right.
    void headersFollowTheirColumns_data() { lastRowCanBeClicked_data(); }
    void headersFollowTheirColumns() {
        QFETCH(int, page);
        QFETCH(int, nested);
        MainWindowFixture f;
        if (QTabWidget* tabs = f.window.nestedTabs(page))
            tabs->setCurrentIndex(nested);
        f.window.selectPage(page);
        const PageDescriptor& d = *korvane::pageDescriptor(page, nested);
        auto* list = f.window.findChild<QTableWidget*>(nameOfKind(d, ControlKind::List));
        QVERIFY(list);
        for (int c = 0; c < list->columnCount(); ++c) {
            const auto cell = Qt::Alignment(list->item(0, c)->textAlignment());
            const auto header = Qt::Alignment(list->horizontalHeaderItem(c)->textAlignment());
            QCOMPARE(header & Qt::AlignHorizontal_Mask, cell & Qt::AlignHorizontal_Mask);
        }
    }
};

QTEST_MAIN(TableListsTest)
#include "tablelists_test.moc"
