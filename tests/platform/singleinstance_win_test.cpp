// SPDX-License-Identifier: MIT
// The single instance on Windows, across processes: this test program starts
// itself again as the second start or as a running instance to be killed.
#include "singleinstance.h"

#include <QApplication>
#include <QDialog>
#include <QMetaEnum>
#include <QProcess>
#include <QSignalSpy>
#include <QUuid>
#include <QWidget>
#include <QtTest>

#include <qt_windows.h>

#include <cstdio>

using korvane::platform::SingleInstance;
using Role = SingleInstance::Role;

namespace {

// Started with one of these and an instance name, this program claims that
// instance and prints its role; "--claim" then ends with the role as its exit
// code, "--claim-and-stay" shows a window and runs until it is killed.
constexpr const char* kClaim = "--claim";
constexpr const char* kClaimAndStay = "--claim-and-stay";

QByteArray roleName(Role role) {
    return QMetaEnum::fromType<Role>().valueToKey(int(role));
}

int claimAsAnotherStart(const QString& mode, const QString& name) {
    SingleInstance instance(name);
    const Role role = instance.claim();
    std::puts(roleName(role).constData());
    std::fflush(stdout);
    if (mode == QLatin1String(kClaim))
        return int(role);
    QWidget window;
    window.show();
    return QApplication::exec();
}

// An instance name of its own for each test, so that a running korvane is
// left alone; the registry value of that name goes at the end.
class InstanceName {
  public:
    InstanceName()
        : name_(QStringLiteral("korvane-test-") +
                QUuid::createUuid().toString(QUuid::WithoutBraces)) {}
    ~InstanceName() { RegDeleteValueW(HKEY_CURRENT_USER, name_.toStdWString().c_str()); }
    InstanceName(const InstanceName&) = delete;
    InstanceName& operator=(const InstanceName&) = delete;
    const QString& operator()() const { return name_; }

  private:
    QString name_;
};

bool eventExists(const QString& name) {
    HANDLE event = OpenEventW(SYNCHRONIZE, FALSE, name.toStdWString().c_str());
    if (event != nullptr)
        CloseHandle(event);
    return event != nullptr;
}

// The DWORD stored, 0 when there is none.
quint32 storedWindow(const QString& name) {
    DWORD handle = 0;
    DWORD size = sizeof handle;
    if (RegGetValueW(HKEY_CURRENT_USER, nullptr, name.toStdWString().c_str(), RRF_RT_REG_DWORD,
                     nullptr, &handle, &size) != ERROR_SUCCESS)
        return 0;
    return handle;
}

bool realWindows() {
    return QGuiApplication::platformName() == QLatin1String("windows");
}

} // namespace

class SingleInstanceWinTest : public QObject {
    Q_OBJECT
  private slots:
    // A second start, another process, finds the event, shows the running
    // instance's hidden main window and ends with "handed over".
    void secondStartShowsTheRunningWindow() {
        if (!realWindows())
            QSKIP("window handles need Windows' own platform, not offscreen");
        InstanceName name;
        SingleInstance first(name());
        QCOMPARE(first.claim(), Role::Running);
        QVERIFY(first.isListening());
        QVERIFY(eventExists(name()));
        QVERIFY(first.lockFileName().isEmpty());

        // A message shown before the main window is not the main window.
        QDialog message;
        message.show();
        QVERIFY(QTest::qWaitForWindowExposed(&message));
        QCOMPARE(storedWindow(name()), quint32(0));
        QWidget window;
        connect(&first, &SingleInstance::showRequested, &window, &QWidget::showNormal);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(storedWindow(name()), quint32(window.winId()));
        window.hide();
        message.hide();

        QSignalSpy shown(&first, &SingleInstance::showRequested);
        QProcess second;
        second.start(QCoreApplication::applicationFilePath(), {QLatin1String(kClaim), name()});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.readAllStandardOutput().trimmed(), roleName(Role::HandedOver));
        QCOMPARE(second.exitCode(), int(Role::HandedOver));
        QTRY_COMPARE(shown.count(), 1);
        QVERIFY(window.isVisible());
        QVERIFY(!message.isVisible());
    }

    // The event lives as long as the instance that made it: a start while it
    // runs is handed over; once it is killed, its window handle left in the
    // registry is stale and the next start runs.
    void eventGoesWithItsProcess() {
        InstanceName name;
        QProcess running;
        running.start(QCoreApplication::applicationFilePath(),
                      {QLatin1String(kClaimAndStay), name()});
        QVERIFY(running.waitForReadyRead(20000));
        QCOMPARE(running.readLine().trimmed(), roleName(Role::Running));
        if (realWindows())
            QTRY_VERIFY(storedWindow(name()) != 0);
        QCOMPARE(SingleInstance(name()).claim(), Role::HandedOver);

        running.kill();
        QVERIFY(running.waitForFinished(20000));
        QVERIFY(!eventExists(name()));
        {
            SingleInstance next(name());
            QCOMPARE(next.claim(), Role::Running);
            QCOMPARE(SingleInstance(name()).claim(), Role::HandedOver);
        }
        // An instance that ends gives the name back.
        QVERIFY(!eventExists(name()));
        QCOMPARE(SingleInstance(name()).claim(), Role::Running);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 &&
        (arguments[1] == QLatin1String(kClaim) || arguments[1] == QLatin1String(kClaimAndStay)))
        return claimAsAnotherStart(arguments[1], arguments[2]);
    SingleInstanceWinTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "singleinstance_win_test.moc"
