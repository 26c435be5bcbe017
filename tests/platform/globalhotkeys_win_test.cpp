// SPDX-License-Identifier: MIT
// The hot keys F1 and Esc on Windows: registered, they answer a key press made
// through the system's input; a key another program holds is refused.
#include "globalhotkeys.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <qt_windows.h>

#include <cstdio>

using korvane::platform::GlobalHotKeys;

namespace {

// Started with this argument, this program holds F1 as another program would,
// until it is killed.
constexpr const char* kHoldF1 = "--hold-f1";

int holdF1UntilKilled() {
    if (RegisterHotKey(nullptr, 1, 0, VK_F1) == 0)
        return 1;
    std::puts("held");
    std::fflush(stdout);
    Sleep(INFINITE);
    return 0;
}

// A press and release of `virtualKey` as the keyboard gives it, to whichever
// program has the focus; false where the system takes no input (a locked
// desktop).
bool press(WORD virtualKey) {
    INPUT keys[2] = {};
    keys[0].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = virtualKey;
    keys[1] = keys[0];
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, keys, sizeof(INPUT)) == 2;
}

} // namespace

class GlobalHotKeysWinTest : public QObject {
    Q_OBJECT
  private slots:
    void pressedKeyArrivesWithItsId_data() {
        QTest::addColumn<int>("virtualKey");
        QTest::addColumn<int>("registration"); // 0: F1, 1: Esc, in the program's order
        QTest::newRow("F1") << int(VK_F1) << 0;
        QTest::newRow("Esc") << int(VK_ESCAPE) << 1;
    }
    void pressedKeyArrivesWithItsId() {
        QFETCH(int, virtualKey);
        QFETCH(int, registration);
        GlobalHotKeys keys;
        const int ids[] = {keys.registerKey(Qt::Key_F1), keys.registerKey(Qt::Key_Escape)};
        if (ids[0] == 0 || ids[1] == 0)
            QSKIP("another program holds F1 or Esc here");
        QVERIFY(ids[0] != ids[1]);
        QSignalSpy activated(&keys, &GlobalHotKeys::activated);
        if (!press(WORD(virtualKey)))
            QSKIP("this desktop takes no keyboard input");
        QTRY_COMPARE(activated.count(), 1);
        QCOMPARE(activated.first().first().toInt(), ids[registration]);
    }

    // Registration failing is silent but answered: the id is 0. Once the other
    // program is gone, the key can be taken.
    void keyHeldByAnotherProgramIsRefused() {
        QProcess holder;
        holder.start(QCoreApplication::applicationFilePath(), {QLatin1String(kHoldF1)});
        if (!holder.waitForReadyRead(20000) && holder.state() == QProcess::NotRunning &&
            holder.exitCode() == 1)
            QSKIP("another program holds F1 here");
        QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));
        GlobalHotKeys keys;
        QCOMPARE(keys.registerKey(Qt::Key_F1), 0);
        const int escape = keys.registerKey(Qt::Key_Escape);
        if (escape == 0)
            QSKIP("another program holds Esc here");

        holder.kill();
        QVERIFY(holder.waitForFinished(20000));
        const int f1 = keys.registerKey(Qt::Key_F1);
        QVERIFY(f1 != 0);
        QVERIFY(f1 != escape);
        keys.unregisterAll();
        // Given back: another holder takes F1 again.
        QProcess next;
        next.start(QCoreApplication::applicationFilePath(), {QLatin1String(kHoldF1)});
        QVERIFY(next.waitForReadyRead(20000));
        QCOMPARE(next.readLine().trimmed(), QByteArray("held"));
        next.kill();
        QVERIFY(next.waitForFinished(20000));
    }
};

int main(int argc, char* argv[]) {
    if (argc == 2 && qstrcmp(argv[1], kHoldF1) == 0)
        return holdF1UntilKilled();
    QCoreApplication app(argc, argv);
    GlobalHotKeysWinTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "globalhotkeys_win_test.moc"
