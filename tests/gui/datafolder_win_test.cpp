// SPDX-License-Identifier: MIT
// On Windows the summary list and the report's header texts live in
// %APPDATA%\korvane, which the user may write (the program's own folder under
// C:\Program Files is not writable for a user on current Windows).
#include "headerinfofile.h"
#include "summaryfilestore.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QtTest>

class DataFolderWinTest : public QObject {
    Q_OBJECT
  private slots:
    void filesAreInTheRoamingApplicationData() {
        // Named as the program names itself, with no organisation.
        QApplication::setApplicationName(QStringLiteral("korvane"));
        QVERIFY(QCoreApplication::organizationName().isEmpty());
        const QString appData = qEnvironmentVariable("APPDATA");
        QVERIFY(!appData.isEmpty());
        const QString folder = QDir::fromNativeSeparators(appData) + QStringLiteral("/korvane");

        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), folder);
        QCOMPARE(QDir::toNativeSeparators(korvane::SummaryFileStore().filePath()),
                 appData + QStringLiteral("\\korvane\\材料汇总单.txt"));
        QCOMPARE(QDir::toNativeSeparators(korvane::HeaderInfoFile().filePath()),
                 appData + QStringLiteral("\\korvane\\配置.txt"));
    }
};

QTEST_MAIN(DataFolderWinTest)
#include "datafolder_win_test.moc"
