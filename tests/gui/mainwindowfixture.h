// SPDX-License-Identifier: MIT
#pragma once

#include "mainwindow.h"
#include "recordingmessageboxes.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>

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
