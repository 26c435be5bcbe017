// SPDX-License-Identifier: MIT
#pragma once

#include "mainwindow.h"
#include "pagedescriptor.h"
#include "recordingmessageboxes.h"

#include <QApplication>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

// Clicks the row of a standard table whose first column reads `model`, as the
// user does: scrolled into view, then clicked.
inline void clickRow(QTableWidget* list, const QString& model) {
    for (int r = 0; r < list->rowCount(); ++r) {
        if (list->item(r, 0)->text() == model) {
            list->scrollToItem(list->item(r, 0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(r, 0)).center());
            return;
        }
    }
    QFAIL("no such row");
}

// A data table of one row per page, main and nested: columns "page" and "nested".
inline void addEveryPage() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("nested");
    for (const korvane::PageDescriptor& d : korvane::pageDescriptors())
        QTest::addRow("%d/%d", d.page, d.nested) << d.page << d.nested;
}

// A shown and active main window, with message boxes recorded instead of shown.
class MainWindowFixture {
  public:
    MainWindowFixture() {
        window.show();
        window.activateWindow();
        active = QTest::qWaitForWindowActive(&window);
    }

    QWidget* control(const QString& name) const { return window.findChild<QWidget*>(name); }
    QString focusName() const {
        QWidget* focused = QApplication::focusWidget();
        return focused ? focused->objectName() : QString();
    }
    // Shows `page` through its selector button, with its nested tab at `nested` first.
    void showPage(int page, int nested) {
        if (QTabWidget* tabs = window.nestedTabs(page))
            tabs->setCurrentIndex(nested);
        window.selectPage(page);
    }
    void pressEnter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

    korvane::platform::RecordingMessageBoxes messages;
    korvane::MainWindow window;
    bool active = false;
};
