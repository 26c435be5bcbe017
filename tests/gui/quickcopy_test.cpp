// SPDX-License-Identifier: MIT
#include "calculatorpages.h"
#include "mainwindowfixture.h"
#include "tablepage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using korvane::platform::RecordingMessageBoxes;

namespace {

QLineEdit* field(MainWindowFixture& f, const char* name) {
    return qobject_cast<QLineEdit*>(f.control(QString::fromUtf8(name)));
}

void type(MainWindowFixture& f, const char* name, const QString& keys) {
    field(f, name)->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(field(f, name), keys);
}

} // namespace

class QuickCopyTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QGuiApplication::clipboard()->setText(QStringLiteral("untouched")); }

    // I-beam I20a clicked, 3*6 typed, Enter: the length becomes 18, the weight
    // is shown and copied, the focus is back in the length field.
    void typicalRoad() {
        MainWindowFixture f;
        QVERIFY(f.active);
        f.window.selectPage(1);
        QCOMPARE(f.focusName(), QStringLiteral("编辑框63"));
        clickRow(qobject_cast<QTableWidget*>(f.control("超级列表框1")), "I20a");
        type(f, "编辑框63", "3*6");
        f.pressEnter();

        QCOMPARE(field(f, "编辑框63")->text(), QStringLiteral("18"));
        QCOMPARE(field(f, "编辑框64")->text(), QStringLiteral("502.72"));
        QCOMPARE(f.messages.messages().size(), 1);
        QCOMPARE(f.messages.messages()[0].kind, RecordingMessageBoxes::Kind::Information);
        QCOMPARE(f.messages.messages()[0].text,
                 QStringLiteral("【工字钢】 材料重量  502.72  kg\r\n复制成功！！"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("502.72"));
        QCOMPARE(f.focusName(), QStringLiteral("编辑框63"));
        QCOMPARE(field(f, "编辑框63")->selectedText(), QStringLiteral("18"));
    }

    void messagesPerPage_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("nested");
        QTest::addColumn<QStringList>("typing"); // field name, keys, ...
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("plate with its first texts")
            << 0 << 0 << QStringList{} << "【钢板】 材料重量  2072.40  kg\r\n复制成功！！"
            << "2072.40";
        QTest::newRow("round bar") << 8 << 0 << QStringList{"编辑框48", "20", "编辑框49", "6"}
                                   << "【圆钢】 材料重量  14.81  kg\r\n复制成功！！"
                                   << "14.81";
        QTest::newRow("weighbridge") << 12 << 0 << QStringList{"编辑框40", "30", "编辑框39", "29.8"}
                                     << "【处理磅差】 重量  0.110  吨\r\n复制成功！！"
                                     << "0.110";
        QTest::newRow("amount") << 12 << 1 << QStringList{"编辑框41", "1.5"}
                                << "【金额大写】  壹元伍角整\r\n复制成功！！"
                                << "壹元伍角整";
    }

    // Enter after the page's last input.
    void messagesPerPage() {
        QFETCH(int, page);
        QFETCH(int, nested);
        QFETCH(QStringList, typing);
        MainWindowFixture f;
        QVERIFY(f.active);
        f.showPage(page, nested);
        for (int i = 0; i + 1 < typing.size(); i += 2)
            type(f, typing[i].toUtf8(), typing[i + 1]);
        if (typing.isEmpty())
            field(f, "编辑框2")->setFocus(Qt::TabFocusReason);
        f.pressEnter();
        QCOMPARE(f.messages.messages().size(), 1);
        QTEST(f.messages.messages()[0].text, "message");
        QTEST(QGuiApplication::clipboard()->text(), "clipboard");
    }

    // An empty required field: no message, nothing copied, focus on the page.
    void emptyFieldCopiesNothing() {
        MainWindowFixture f;
        QVERIFY(f.active);
        f.window.selectPage(3);
        clickRow(qobject_cast<QTableWidget*>(f.control("超级列表框4")), "[10");
        field(f, "编辑框77")->setFocus(Qt::TabFocusReason);
        f.pressEnter();
        QVERIFY(f.messages.messages().isEmpty());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
        QCOMPARE(f.focusName(), QStringLiteral("编辑框77"));
    }

    // A length that cannot be evaluated is emptied when the focus comes back;
    // that is no success to report.
    void unevaluableLengthIsNoSuccess() {
        MainWindowFixture f;
        QVERIFY(f.active);
        f.window.selectPage(3);
        clickRow(qobject_cast<QTableWidget*>(f.control("超级列表框4")), "[10");
        type(f, "编辑框77", "3*");
        f.pressEnter();
        QCOMPARE(field(f, "编辑框77")->text(), QString());
        QCOMPARE(field(f, "编辑框75")->text(), QStringLiteral("0.00"));
        QVERIFY(f.messages.messages().isEmpty());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
        QCOMPARE(f.focusName(), QStringLiteral("编辑框77"));
    }

    void copyFunctionOffCopiesNothing() {
        MainWindowFixture f;
        QVERIFY(f.active);
        f.window.setCopyFunction(false);
        field(f, "编辑框2")->setFocus(Qt::TabFocusReason);
        f.pressEnter();
        QCOMPARE(f.focusName(), QStringLiteral("编辑框1"));
        QVERIFY(f.messages.messages().isEmpty());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
    }

    void copyButtonReportsThroughMessages() {
        MainWindowFixture f;
        QVERIFY(f.active);
        f.showPage(12, 1);
        qobject_cast<QPushButton*>(f.control("按钮_复制"))->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
        QCOMPARE(f.messages.messages().size(), 1);
        QCOMPARE(f.messages.messages()[0].text, QStringLiteral("【金额大写】  \r\n复制成功！！"));
    }

    // Each page shows its results for empty fields once it is first shown.
    void firstShowWithEmptyFields_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("nested");
        QTest::addColumn<QString>("weightField");
        QTest::newRow("checkered plate") << 0 << 1 << "编辑框10";
        QTest::newRow("I-beam") << 1 << 0 << "编辑框64";
        QTest::newRow("equal angle") << 2 << 0 << "编辑框67";
        QTest::newRow("unequal angle") << 2 << 1 << "编辑框71";
        QTest::newRow("channel") << 3 << 0 << "编辑框75";
        QTest::newRow("H-beam table") << 4 << 0 << "编辑框87";
        QTest::newRow("H-beam formula") << 4 << 1 << "编辑框91";
        QTest::newRow("rectangular tube") << 5 << 0 << "编辑框47";
        QTest::newRow("round tube") << 6 << 0 << "编辑框52";
        QTest::newRow("welded pipe") << 7 << 0 << "编辑框79";
        QTest::newRow("round bar") << 8 << 0 << "编辑框51";
        QTest::newRow("flat bar") << 9 << 0 << "编辑框58";
        QTest::newRow("rail") << 10 << 0 << "编辑框83";
        QTest::newRow("C-channel") << 11 << 0 << "编辑框98";
    }

    void firstShowWithEmptyFields() {
        QFETCH(int, page);
        QFETCH(int, nested);
        QFETCH(QString, weightField);
        MainWindowFixture f;
        QVERIFY(f.active);
        QLineEdit* before = field(f, weightField.toUtf8()); // pages are built when first shown
        QVERIFY(before == nullptr || before->text().isEmpty());
        f.showPage(page, nested);
        QCOMPARE(field(f, weightField.toUtf8())->text(), QStringLiteral("0.00"));
    }
};

QTEST_MAIN(QuickCopyTest)
#include "quickcopy_test.moc"
