// SPDX-License-Identifier: MIT
#include "applicationshell.h"
#include "calculatorpages.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "materialsummary.h"
#include "programlauncher.h"
#include "recordingmessageboxes.h"
#include "singleinstance.h"
#include "summaryfilestore.h"
#include "summarylist.h"
#include "summarypanel.h"
#include "temporarydatafolder.h"

#include <QAbstractButton>
#include <QAction>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

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
using Role = korvane::platform::SingleInstance::Role;

namespace {
// Sets an environment variable for its lifetime.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const QString& value)
        : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), saved_(qgetenv(name)) {
        qputenv(name, QFile::encodeName(value));
    }
    ~ScopedEnvironment() {
        if (wasSet_)
            qputenv(name_, saved_);
        else
            qunsetenv(name_);
    }

  private:
    const char* name_;
    bool wasSet_;
    QByteArray saved_;
};

// This test program started with these arguments takes the lock file given
// after them and keeps it until it is killed: a start killed while it looked
// for a running instance.
constexpr const char* kHoldLockArgument = "--hold-lock";

int holdLockUntilKilled(const char* fileName) {
    QLockFile lock(QFile::decodeName(fileName));
    if (!lock.lock())
        return 1;
    std::puts("locked");
    std::fflush(stdout);
    for (;;)
        std::this_thread::sleep_for(std::chrono::hours(1));
}

// Runs the event loop until the program ends, or gives 99 after two seconds.
int runUntilExit() {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(2000);
    return QCoreApplication::exec();
}

#if defined(Q_OS_UNIX) && defined(KORVANE_PROGRAM)
// Starts the program itself on the offscreen platform, with a runtime folder
// (and so an instance socket) and a home folder of its own. Programs still
// running at the end are killed.
class ProgramStarts {
  public:
    ProgramStarts() : runtime_(home_.filePath(QStringLiteral("run"))) {
        ready_ = home_.isValid() &&
                 QDir().mkdir(runtime_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment_ = QProcessEnvironment::systemEnvironment();
        environment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment_.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_);
        environment_.insert(QStringLiteral("HOME"), home_.path());
        for (const char* folder : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            environment_.remove(QString::fromLatin1(folder));
        ScopedEnvironment runtimeFolder("XDG_RUNTIME_DIR", runtime_);
        serverName_ = SingleInstance::defaultServerName();
    }
    ~ProgramStarts() {
        for (const auto& process : processes_) {
            process->kill();
            process->waitForFinished(10000);
        }
    }

    bool ready() const { return ready_; }
    // The socket the programs started here listen on.
    const QString& serverName() const { return serverName_; }
    QProcess* start() {
        auto& process = processes_.emplace_back(std::make_unique<QProcess>());
        process->setProcessEnvironment(environment_);
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->start(QStringLiteral(KORVANE_PROGRAM), {});
        return process.get();
    }

  private:
    QTemporaryDir home_;
    QString runtime_;
    bool ready_ = false;
    QProcessEnvironment environment_;
    QString serverName_;
    std::vector<std::unique_ptr<QProcess>> processes_;
};
#endif
} // namespace

class ApplicationShellTest : public QObject {
    Q_OBJECT
  private slots:
    void secondStartShowsTheRunningInstance() {
        QTemporaryDir folder;
        const QString name = folder.filePath(QStringLiteral("instance"));
        SingleInstance first(name);
        QCOMPARE(first.claim(), Role::Running);
        QVERIFY(first.isListening());
        QSignalSpy shown(&first, &SingleInstance::showRequested);
        SingleInstance second(name);
        QCOMPARE(second.claim(), Role::HandedOver);
        QVERIFY(!second.isListening());
        QTRY_COMPARE(shown.count(), 1);
        QCOMPARE(SingleInstance(name).claim(), Role::HandedOver);
        QTRY_COMPARE(shown.count(), 2);
        // The lock is held only while a start decides.
        QVERIFY(!QFileInfo::exists(first.lockFileName()));
    }

#ifdef Q_OS_UNIX
    void onlyTheUserMayConnect() {
        QTemporaryDir folder;
        const QString name = folder.filePath(QStringLiteral("instance"));
        SingleInstance first(name);
        QCOMPARE(first.claim(), Role::Running);
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
        QCOMPARE(next.claim(), Role::Running);
        QSignalSpy shown(&next, &SingleInstance::showRequested);
        QCOMPARE(SingleInstance(name).claim(), Role::HandedOver);
        QTRY_COMPARE(shown.count(), 1);
    }

    // A start killed while it held the lock leaves the lock file behind. The
    // next start sees that its owner is gone and does not wait for the lock to
    // grow old.
    void lockOfAKilledStartDoesNotBlock() {
        QTemporaryDir folder;
        const QString name = folder.filePath(QStringLiteral("instance"));
        SingleInstance next(name);
        QProcess killed;
        killed.start(QCoreApplication::applicationFilePath(),
                     {QString::fromLatin1(kHoldLockArgument), next.lockFileName()});
        QVERIFY(killed.waitForReadyRead(10000));
        QCOMPARE(killed.readLine().trimmed(), QByteArray("locked"));
        killed.kill();
        QVERIFY(killed.waitForFinished(10000));
        QVERIFY(QFileInfo::exists(next.lockFileName()));

        QElapsedTimer clock;
        clock.start();
        QCOMPARE(next.claim(), Role::Running);
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!QFileInfo::exists(next.lockFileName()));
    }
#endif

#if defined(Q_OS_UNIX) && defined(KORVANE_PROGRAM)
    // A double click on a launcher starts the program several times at once:
    // one program stays, the other starts show its window and end with 0.
    void simultaneousStartsLeaveOneProgram() {
        ProgramStarts programs;
        QVERIFY(programs.ready());
        const std::array<QProcess*, 3> starts = {programs.start(), programs.start(),
                                                 programs.start()};
        for (QProcess* start : starts)
            QVERIFY(start->waitForStarted(10000));

        auto ended = [&starts] {
            return std::count_if(starts.begin(), starts.end(), [](const QProcess* start) {
                return start->state() == QProcess::NotRunning;
            });
        };
        const bool settled = QTest::qWaitFor([&] { return ended() >= 2; }, 20000);
        QVERIFY2(settled, qPrintable(QStringLiteral("%1 of 3 starts ended").arg(ended())));
        // The one left keeps running.
        QTest::qWait(500);
        QCOMPARE(ended(), 2);
        for (QProcess* start : starts) {
            if (start->state() == QProcess::NotRunning)
                QVERIFY2(start->exitStatus() == QProcess::NormalExit && start->exitCode() == 0,
                         start->readAll().constData());
        }
        // It is the running instance: a later start is handed over to it.
        QCOMPARE(SingleInstance(programs.serverName()).claim(), Role::HandedOver);
    }

    // A start that finds the lock taken waits for it, and then finds the
    // instance that took it: here the test, between its connect and its listen.
    void startWaitsWhileAnotherStartDecides() {
        ProgramStarts programs;
        QVERIFY(programs.ready());
        SingleInstance lockName(programs.serverName());
        QLockFile deciding(lockName.lockFileName());
        QVERIFY(deciding.lock());
        QProcess* start = programs.start();
        QVERIFY(start->waitForStarted(10000));
        // Ample time for the program to reach its check, on a busy machine too.
        QTest::qWait(1500);
        QVERIFY(!QFileInfo::exists(programs.serverName()));
        QCOMPARE(start->state(), QProcess::Running);

        QLocalServer running;
        running.setSocketOptions(QLocalServer::UserAccessOption);
        QVERIFY(running.listen(programs.serverName()));
        deciding.unlock();
        QVERIFY(start->waitForFinished(10000));
        QCOMPARE(start->exitStatus(), QProcess::NormalExit);
        QCOMPARE(start->exitCode(), 0);
        QVERIFY(running.hasPendingConnections() || running.waitForNewConnection(5000));
    }
#endif

    void showRequestShowsTheHiddenWindow() {
        QTemporaryDir folder;
        const QString name = folder.filePath(QStringLiteral("instance"));
        ApplicationShell shell(name);
        QVERIFY(!shell.handOverToRunningInstance());
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

    // "退出" and "退出软件" with the summary list unchanged, or changed and the
    // question answered each way.
    void exitAsksAboutAChangedList_data() {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("answer"); // a Choice, asked about or not
        QTest::addColumn<bool>("asked");
        QTest::addColumn<int>("exitCode"); // 99: still running
        QTest::addColumn<int>("linesInFile");
        QTest::addColumn<bool>("warned");
        using C = MessageBoxes::Choice;
        QTest::newRow("unchanged: ends at once")
            << "button" << QStringList{} << int(C::Cancel) << false << 0 << 0 << false;
        QTest::newRow("saved, then checked: a check mark is no change")
            << "tray" << QStringList{"add", "save", "check"} << int(C::Cancel) << false << 0 << 1
            << false;
        QTest::newRow("是: saves, then ends")
            << "button" << QStringList{"add", "add"} << int(C::Yes) << true << 0 << 2 << false;
        QTest::newRow("是 from the tray menu")
            << "tray" << QStringList{"add"} << int(C::Yes) << true << 0 << 1 << false;
        QTest::newRow("否: ends, the file as it was")
            << "button" << QStringList{"add", "save", "add"} << int(C::No) << true << 0 << 1
            << false;
        QTest::newRow("取消: goes back")
            << "button" << QStringList{"add"} << int(C::Cancel) << true << 99 << 0 << false;
        QTest::newRow("deleted since the save is a change")
            << "button" << QStringList{"add", "save", "check", "delete"} << int(C::Cancel) << true
            << 99 << 1 << false;
        QTest::newRow("是 but the save fails: warns and stays")
            << "button" << QStringList{"block", "add"} << int(C::Yes) << true << 99 << 0 << true;
    }
    void exitAsksAboutAChangedList() {
        QFETCH(QString, route);
        QFETCH(QStringList, steps);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(int, exitCode);
        QFETCH(int, linesInFile);
        QFETCH(bool, warned);
        TemporaryDataFolder data;
        QTemporaryDir folder;
        ApplicationShell shell(folder.filePath(QStringLiteral("instance")));
        MainWindow window;
        shell.attach(&window);
        korvane::MaterialSummary* summary = window.pages()->materialSummary();
        summary->load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        RecordingMessageBoxes messages;
        for (const QString& step : steps) {
            if (step == u"add") {
                window.summary()->appendLine({{"", "Q235", "10mm", "78.50Kg/m2", "1m", "78.50"}});
            } else if (step == u"save") {
                QVERIFY(summary->save());
            } else if (step == u"check") {
                window.summary()->list()->setChecked(0, true);
            } else if (step == u"delete") {
                window.summary()->deleteCheckedRows();
            } else if (step == u"block") {
                // A file where the data folder should be: nothing can be saved.
                QFile blocker(data.folder());
                QVERIFY(blocker.open(QIODevice::WriteOnly));
            }
        }
        QCOMPARE(messages.messages().size(), 0);
        messages.queueChoices({MessageBoxes::Choice(answer)});
        if (route == u"button")
            QTest::mouseClick(window.findChild<QAbstractButton*>(QStringLiteral("按钮3")),
                              Qt::LeftButton);
        else
            window.mainMenu()->exitProgram()->trigger();
        QCOMPARE(runUntilExit(), exitCode);

        const auto& shown = messages.messages();
        QCOMPARE(shown.size(), qsizetype(asked) + qsizetype(warned));
        if (asked) {
            QCOMPARE(shown[0].kind, RecordingMessageBoxes::Kind::QuestionWithCancel);
            QCOMPARE(shown[0].text, QStringLiteral("材料汇总单已修改，是否保存？"));
        }
        if (warned) {
            QCOMPARE(shown[1].kind, RecordingMessageBoxes::Kind::Warning);
            QVERIFY(shown[1].text.contains(QStringLiteral("材料汇总单.txt")));
        }
        if (!QFileInfo(data.folder()).isFile())
            QCOMPARE(int(korvane::SummaryFileStore().load().size()), linesInFile);
        // The lines stay in the window whatever was answered.
        QCOMPARE(window.summary()->rows().empty(), !steps.contains(QStringLiteral("add")) ||
                                                       steps.contains(QStringLiteral("delete")));
    }

    // The icons wait for the first frame, then the window and the tray have one.
    void iconsFollowTheFirstFrame() {
        QTemporaryDir folder;
        ApplicationShell shell(folder.filePath(QStringLiteral("instance")));
        MainWindow window;
        shell.attach(&window);
        QVERIFY(shell.trayIcon() == nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(shell.trayIcon() != nullptr);
        QCOMPARE(window.windowIcon().availableSizes(),
                 (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}}));
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
        ScopedEnvironment path("PATH", bin.path());
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

int main(int argc, char* argv[]) {
    if (argc == 3 && qstrcmp(argv[1], kHoldLockArgument) == 0)
        return holdLockUntilKilled(argv[2]);
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    ApplicationShellTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "applicationshell_test.moc"
