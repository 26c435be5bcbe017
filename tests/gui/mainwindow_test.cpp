// SPDX-License-Identifier: MIT
#include "mainwindow.h"

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
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
