// SPDX-License-Identifier: MIT
// The report's date picker is Chinese on an English desktop: the calendar
// names months and days in Chinese and starts its weeks on Monday, while the
// rest of the program keeps the desktop's locale untouched.
#include "gbkstring.h"
#include "reportwindow.h"
#include "temporarydatafolder.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using korvane::ReportWindow;

class ReportDateTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        // An English desktop.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void calendarIsChineseFromMonday() {
        TemporaryDataFolder data;
        const std::vector<korvane::SummaryItem> lines = {
            {{"1", korvane::toGbk("钢板"), "10mm", "78.50Kg/m", "2m", "1.5"}}};
        const std::vector<std::string> titles(6, korvane::toGbk("列"));
        ReportWindow window(lines, titles);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto* date = window.findChild<QDateEdit*>(QStringLiteral("日期框1"));
        QVERIFY(date != nullptr);
        date->setDate(QDate(2027, 11, 3));
        QCOMPARE(date->text(), QStringLiteral("2027年11月3日"));
        QCOMPARE(date->locale().language(), QLocale::Chinese);

        // The calendar as the user opens it.
        QTest::mousePress(date, Qt::LeftButton, {}, QPoint(date->width() - 6, date->height() / 2));
        QCalendarWidget* calendar = date->calendarWidget();
        QTRY_VERIFY(calendar->isVisible());
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);
        auto* month = calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
        QVERIFY(month != nullptr);
        QCOMPARE(month->text(), QStringLiteral("十一月"));
        auto* days = calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
        QVERIFY(days != nullptr);
        QStringList header;
        for (int column = 0; column < days->model()->columnCount(); ++column)
            header << days->model()->index(0, column).data().toString();
        QCOMPARE(header, QStringList({QStringLiteral("周一"), QStringLiteral("周二"),
                                      QStringLiteral("周三"), QStringLiteral("周四"),
                                      QStringLiteral("周五"), QStringLiteral("周六"),
                                      QStringLiteral("周日")}));
        calendar->window()->close();

        // Nothing outside the date control changed language.
        QCOMPARE(QLocale().language(), QLocale::English);
        QCOMPARE(window.locale().language(), QLocale::English);
    }
};

QTEST_MAIN(ReportDateTest)
#include "reportdate_test.moc"
