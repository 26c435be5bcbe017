// SPDX-License-Identifier: MIT
#include "applicationshell.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "programlauncher.h"
#include "recordingmessageboxes.h"
#include "singleinstance.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using korvane::ApplicationShell;
using korvane::MainWindow;
using korvane::platform::MessageBoxes;
using korvane::platform::ProgramLauncher;
using korvane::platform::RecordingMessageBoxes;
using korvane::platform::SingleInstance;

namespace {
// Sets PATH for its lifetime.
class ScopedPath {
  public:
    explicit ScopedPath(const QString& path) : saved_(qgetenv("PATH")) {
        qputenv("PATH", QFile::encodeName(path));
    }
    ~ScopedPath() { qputenv("PATH", saved_); }

  private:
    QByteArray saved_;
};

// Runs the event loop until the program ends, or gives 99 after two seconds.
int runUntilExit() {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(2000);
    return QCoreApplication::exec();
}
} // namespace

class ApplicationShellTest : public QObject {
    Q_OBJECT
  private slots:
    void secondStartShowsTheRunningInstance() {
        QTemporaryDir folder;
        const QString name = folder.filePath(QStringLiteral("instance"));
        SingleInstance first(name);
        QVERIFY(!first.askRunningInstanceToShow());
        QVERIFY(first.listen());
        QSignalSpy shown(&first, &SingleInstance::showRequested);
        SingleInstance second(name);
        QVERIFY(second.askRunningInstanceToShow());
        QTRY_COMPARE(shown.count(), 1);
        QVERIFY(SingleInstance(name).askRunningInstanceToShow());
        QTRY_COMPARE(shown.count(), 2);
    }

#ifdef Q_OS_UNIX
    void onlyTheUserMayConnect() {
        QTemporaryDir folder;
        const QString name = folder.filePath(QStringLiteral("instance"));
        SingleInstance first(name);
        QVERIFY(first.listen());
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFileInfo(name).permissions() & others, QFile::Permissions());
    }

    // A killed instance leaves its socket file behind, with nobody listening.
    void staleSocketDoesNotBlockTheNextStart() {
        QTemporaryDir folder;
        const QString name = folder.filePath(QStringLiteral("instance"));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(name).constData(), sizeof address.sun_path);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
        QVERIFY(QFileInfo::exists(name));

        SingleInstance next(name);
        QVERIFY(!next.askRunningInstanceToShow());
        QVERIFY(next.listen());
        QSignalSpy shown(&next, &SingleInstance::showRequested);
        QVERIFY(SingleInstance(name).askRunningInstanceToShow());
        QTRY_COMPARE(shown.count(), 1);
    }
#endif

    void showRequestShowsTheHiddenWindow() {
        QTemporaryDir folder;
        const QString name = folder.filePath(QStringLiteral("instance"));
        ApplicationShell shell(name);
        MainWindow window;
        shell.attach(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.close();
        QVERIFY(!window.isVisible());
        ApplicationShell second(name);
        QVERIFY(second.handOverToRunningInstance());
        QTRY_VERIFY(window.isVisible());
    }

    // Under the offscreen platform there is no way to take keys: both ids are 0.
    void hotKeysAbsentWithoutX11() {
        QTemporaryDir folder;
        ApplicationShell shell(folder.filePath(QStringLiteral("instance")));
        MainWindow window;
        shell.attach(&window);
        QCOMPARE(shell.showHotKeyId(), 0);
        QCOMPARE(shell.hideHotKeyId(), 0);
    }

    void exitEndsWithCodeZero_data() {
        QTest::addColumn<QString>("route");
        QTest::newRow("button 退出") << "button";
        QTest::newRow("tray menu 退出软件") << "tray";
    }
    void exitEndsWithCodeZero() {
        QFETCH(QString, route);
        QTemporaryDir folder;
        ApplicationShell shell(folder.filePath(QStringLiteral("instance")));
        MainWindow window;
        shell.attach(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (route == u"button")
            QTest::mouseClick(window.findChild<QAbstractButton*>(QStringLiteral("按钮3")),
                              Qt::LeftButton);
        else
            window.mainMenu()->exitProgram()->trigger();
        QCOMPARE(runUntilExit(), 0);
    }

    void closeBoxKeepsTheProgramRunning() {
        QTemporaryDir folder;
        ApplicationShell shell(folder.filePath(QStringLiteral("instance")));
        MainWindow window;
        shell.attach(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.close();
        QVERIFY(!window.isVisible());
        QVERIFY(!QApplication::quitOnLastWindowClosed());
        QCOMPARE(runUntilExit(), 99);
    }

#ifdef Q_OS_UNIX
    // The calculator picture starts the first installed desktop calculator in
    // order of preference, or nothing.
    void systemCalculator_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("started");
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("xcalc only") << QStringList{"xcalc"} << "xcalc";
        QTest::newRow("kcalc before xcalc") << QStringList{"xcalc", "kcalc"} << "kcalc";
        QTest::newRow("gnome-calculator first")
            << QStringList{"galculator", "gnome-calculator"} << "gnome-calculator";
        QTest::newRow("unknown programs ignored") << QStringList{"bc", "dc"} << QString();
    }
    void systemCalculator() {
        QFETCH(QStringList, installed);
        QFETCH(QString, started);
        QTemporaryDir bin;
        const QString marker = bin.filePath(QStringLiteral("started"));
        for (const QString& name : installed) {
            QFile script(bin.filePath(name));
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\necho " + name.toUtf8() + " > '" + QFile::encodeName(marker) +
                         "'\n");
            script.close();
            script.setPermissions(script.permissions() | QFile::ExeOwner);
        }
        ScopedPath path(bin.path());
        QCOMPARE(ProgramLauncher::startSystemCalculator(), !started.isEmpty());
        if (started.isEmpty()) {
            QVERIFY(ProgramLauncher::systemCalculator().isEmpty());
            return;
        }
        QTRY_VERIFY(QFileInfo(marker).size() > 0);
        QFile result(marker);
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(result.readAll()).trimmed(), started);
    }
#endif

    void recordingMessageBoxesStandInWhileTheyLive() {
        MessageBoxes* before = &MessageBoxes::current();
        {
            RecordingMessageBoxes boxes;
            QCOMPARE(&MessageBoxes::current(), &boxes);
            boxes.queueAnswers({true});
            MessageBoxes::current().information(QStringLiteral("复制成功！！"));
            QVERIFY(MessageBoxes::current().question(QStringLiteral("是否将")));
            QVERIFY(!MessageBoxes::current().question(QStringLiteral("是否将")));
            QCOMPARE(boxes.messages().size(), 3);
            QCOMPARE(boxes.messages().first().kind, RecordingMessageBoxes::Kind::Information);
            QCOMPARE(boxes.messages().first().text, QStringLiteral("复制成功！！"));
        }
        QCOMPARE(&MessageBoxes::current(), before);
    }
};

QTEST_MAIN(ApplicationShellTest)
#include "applicationshell_test.moc"
