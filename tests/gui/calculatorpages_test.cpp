// SPDX-License-Identifier: MIT
#include "auxiliarypage.h"
#include "expressionevaluator.h"
#include "formulapage.h"
#include "pagehost.h"
#include "recordingmessageboxes.h"
#include "tablepage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace korvane;

namespace {

int rowOf(QTableWidget* list, const QString& text, int column = 0) {
    for (int r = 0; r < list->rowCount(); ++r)
        if (list->item(r, column)->text() == text)
            return r;
    return -1;
}

void clickRow(QTableWidget* list, int row) {
    list->scrollToItem(list->item(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row, 0)).center());
}

} // namespace

class CalculatorPagesTest : public QObject {
    Q_OBJECT

    ExpressionEvaluator evaluator;

  private slots:
    // I-beam I20a, length 3*6: the expression counts as 3 while typed and is
    // evaluated when the list takes the focus again.
    void iBeamTypicalRoad() {
        PageHost host;
        TablePage page(*pageDescriptor(SectionKind::IBeam), host.page(), evaluator);
        QVERIFY(host.show());
        QCOMPARE(page.list()->objectName(), QStringLiteral("超级列表框1"));
        QCOMPARE(page.list()->horizontalHeaderItem(1)->text(), QStringLiteral("规格 h*b*d"));
        QCOMPARE(page.list()->columnWidth(1), 100);

        page.lengthField()->setFocus(Qt::TabFocusReason);
        QCOMPARE(page.weightField()->text(), QStringLiteral("0.00"));

        clickRow(page.list(), rowOf(page.list(), "I20a"));
        QCOMPARE(page.gField()->text(), QStringLiteral("27.929"));
        QCOMPARE(page.modelField()->text(), QStringLiteral("I20a"));

        PageHost::typeInto(page.lengthField(), "3*6");
        QCOMPARE(page.weightField()->text(), QStringLiteral("83.79"));
        page.list()->setFocus(Qt::TabFocusReason);
        QCOMPARE(page.lengthField()->text(), QStringLiteral("18"));
        QCOMPARE(page.weightField()->text(), QStringLiteral("502.72"));
    }

    void tableRowsCopyAsStored_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("g");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("evaluatedLength");
        QTest::addColumn<QString>("weight");
        auto add = [](const char* name, SectionKind kind, const char* row, int column,
                      const char* length, const char* g, const char* model, const char* evaluated,
                      const char* weight) {
            QTest::newRow(name) << int(kind) << QString::fromUtf8(row) << column
                                << QString::fromUtf8(length) << QString::fromUtf8(g)
                                << QString::fromUtf8(model) << QString::fromUtf8(evaluated)
                                << QString::fromUtf8(weight);
        };
        add("channel [10", SectionKind::Channel, "[10", 0, "6", "10.007", "[10", "6", "60.04");
        add("H-beam row without model", SectionKind::HBeamTable, "200*204*12*12", 1, "1", "56.70",
            "200*204*12*12", "1", "56.70");
        add("checkered plate area 2*6", SectionKind::CheckeredPlate, "2.5", 0, "2*6", "22.6", "2.5",
            "12", "271.20");
        add("unequal angle G as stored", SectionKind::UnequalAngle, "∠63*40*5", 0, "1", "3.92",
            "∠63*40*5", "1", "3.92");
        add("welded pipe model column", SectionKind::WeldedPipe, "DN15", 0, "2", "1.26", "DN15",
            "2", "2.52");
        add("length 3* emptied", SectionKind::Rail, "QU70", 0, "3*", "52.800", "QU70", "", "0.00");
    }

    // A click on the list first gives it the focus (the length is evaluated),
    // then copies the row.
    void tableRowsCopyAsStored() {
        QFETCH(int, kind);
        QFETCH(QString, row);
        QFETCH(int, column);
        PageHost host;
        TablePage page(*pageDescriptor(SectionKind(kind)), host.page(), evaluator);
        QVERIFY(host.show());
        QFETCH(QString, length);
        PageHost::typeInto(page.lengthField(), length);
        clickRow(page.list(), rowOf(page.list(), row, column));
        QTEST(page.gField()->text(), "g");
        QTEST(page.modelField()->text(), "model");
        QTEST(page.lengthField()->text(), "evaluatedLength");
        QTEST(page.weightField()->text(), "weight");
    }

    void onlyClicksCopyRows() {
        PageHost host;
        TablePage page(*pageDescriptor(SectionKind::WeldedPipe), host.page(), evaluator);
        QVERIFY(host.show());
        page.lengthField()->setText("10");
        clickRow(page.list(), 0);
        QCOMPARE(page.weightField()->text(), QStringLiteral("3.90"));

        // arrow keys move the selection but copy nothing
        QTest::keyClick(page.list(), Qt::Key_Down);
        QCOMPARE(page.list()->currentRow(), 1);
        QCOMPARE(page.gField()->text(), QStringLiteral("0.39"));

        // a click right of the last column hits no row: G and model are emptied
        QWidget* viewport = page.list()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(viewport->width() - 2, 5));
        QCOMPARE(page.gField()->text(), QString());
        QCOMPARE(page.modelField()->text(), QString());
        QCOMPARE(page.weightField()->text(), QStringLiteral("0.00"));
    }

    void lengthFollowsTypingOnlyWhileFocused() {
        PageHost host;
        TablePage page(*pageDescriptor(SectionKind::EqualAngle), host.page(), evaluator);
        QVERIFY(host.show());
        clickRow(page.list(), 0);
        PageHost::typeInto(page.lengthField(), "12abc");
        QCOMPARE(page.weightField()->text(), QStringLiteral("10.67"));
        page.list()->setFocus();
        QCOMPARE(page.lengthField()->text(), QString()); // 12abc cannot be evaluated
        page.lengthField()->setText("5");                // written by the program: no recomputation
        QCOMPARE(page.weightField()->text(), QStringLiteral("0.00"));
        page.lengthField()->setFocus(Qt::TabFocusReason);
        QCOMPARE(page.weightField()->text(), QStringLiteral("4.45"));
        QCOMPARE(page.lengthField()->selectedText(), QStringLiteral("5"));
    }

    void plateShowsInitialResult() {
        PageHost host;
        FormulaPage page(*pageDescriptor(SectionKind::Plate), host.page(), evaluator);
        QVERIFY(host.show());
        host.field("编辑框1")->setFocus(Qt::TabFocusReason);
        QCOMPARE(host.field("编辑框5")->text(), QStringLiteral("78.50"));
        QCOMPARE(host.field("编辑框6")->text(), QStringLiteral("26.40"));
        QCOMPARE(host.field("编辑框7")->text(), QStringLiteral("2072.40"));
        QCOMPARE(host.field("编辑框1")->selectedText(), QStringLiteral("10"));

        host.field("编辑框2")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(host.field("编辑框2"), Qt::Key_Backspace);
        QCOMPARE(host.field("编辑框6")->text(), QStringLiteral("0.00"));
        QCOMPARE(host.field("编辑框7")->text(), QStringLiteral("0.00"));
    }

    // The length expression is evaluated only when the first dimension field
    // takes the focus.
    void rectTubeEvaluatesLengthOnSideA() {
        PageHost host;
        FormulaPage page(*pageDescriptor(SectionKind::RectTube), host.page(), evaluator);
        QVERIFY(host.show());
        PageHost::typeInto(host.field("编辑框8"), "100");
        PageHost::typeInto(host.field("编辑框43"), "50");
        PageHost::typeInto(host.field("编辑框44"), "3");
        PageHost::typeInto(host.field("编辑框45"), "3*6");
        QCOMPARE(host.field("编辑框46")->text(), QStringLiteral("6.782"));
        QCOMPARE(host.field("编辑框47")->text(), QStringLiteral("20.35"));
        host.field("编辑框43")->setFocus(Qt::TabFocusReason);
        QCOMPARE(host.field("编辑框45")->text(), QStringLiteral("3*6"));
        host.field("编辑框8")->setFocus(Qt::TabFocusReason);
        QCOMPARE(host.field("编辑框45")->text(), QStringLiteral("18"));
        QCOMPARE(host.field("编辑框47")->text(), QStringLiteral("122.08"));
    }

    void formulaPagesFirstFocusWithEmptyFields_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("g");
        QTest::addColumn<QString>("weight");
        QTest::newRow("rectangular tube") << int(SectionKind::RectTube) << "编辑框8"
                                          << "编辑框46"
                                          << "编辑框47";
        QTest::newRow("round tube") << int(SectionKind::RoundTube) << "编辑框55"
                                    << "编辑框53"
                                    << "编辑框52";
        QTest::newRow("round bar") << int(SectionKind::RoundBar) << "编辑框48"
                                   << "编辑框50"
                                   << "编辑框51";
        QTest::newRow("flat bar") << int(SectionKind::FlatBar) << "编辑框61"
                                  << "编辑框59"
                                  << "编辑框58";
        QTest::newRow("H-beam") << int(SectionKind::HBeamFormula) << "编辑框92"
                                << "编辑框90"
                                << "编辑框91";
    }

    void formulaPagesFirstFocusWithEmptyFields() {
        QFETCH(int, kind);
        QFETCH(QString, first);
        QFETCH(QString, g);
        QFETCH(QString, weight);
        PageHost host;
        FormulaPage page(*pageDescriptor(SectionKind(kind)), host.page(), evaluator);
        QVERIFY(host.show());
        host.field(first.toUtf8())->setFocus(Qt::TabFocusReason);
        QCOMPARE(host.field(g.toUtf8())->text(), QStringLiteral("0.000"));
        QCOMPARE(host.field(weight.toUtf8())->text(), QStringLiteral("0.00"));
    }

    void dimensionFieldsRefuseLetters() {
        PageHost host;
        FormulaPage page(*pageDescriptor(SectionKind::RoundBar), host.page(), evaluator);
        QVERIFY(host.show());
        PageHost::typeInto(host.field("编辑框48"), "2a0-.");
        QCOMPARE(host.field("编辑框48")->text(), QStringLiteral("20-."));
        PageHost::typeInto(host.field("编辑框49"), "3*");
        QCOMPARE(host.field("编辑框49")->text(), QStringLiteral("3*"));
        host.field("编辑框48")->setFocus(Qt::TabFocusReason);
        QCOMPARE(host.field("编辑框49")->text(), QString());
        QCOMPARE(host.field("编辑框51")->text(), QStringLiteral("0.00"));
    }

    void hBeamEvaluatesLengthFromEveryInput() {
        PageHost host;
        FormulaPage page(*pageDescriptor(SectionKind::HBeamFormula), host.page(), evaluator);
        QVERIFY(host.show());
        PageHost::typeInto(host.field("编辑框92"), "200");
        PageHost::typeInto(host.field("编辑框93"), "100");
        PageHost::typeInto(host.field("编辑框94"), "5.5");
        PageHost::typeInto(host.field("编辑框95"), "8");
        PageHost::typeInto(host.field("编辑框96"), "12.50");
        host.field("编辑框94")->setFocus(Qt::TabFocusReason);
        QCOMPARE(host.field("编辑框96")->text(), QStringLiteral("12.5"));
        QCOMPARE(host.field("编辑框90")->text(), QStringLiteral("20.504"));
        QCOMPARE(host.field("编辑框91")->text(), QStringLiteral("256.30"));
    }

    void auxiliaryTools() {
        PageHost host(2);
        AuxiliaryPage page(host.page(0), host.page(1));
        host.page(1)->hide();
        QVERIFY(host.show());
        PageHost::typeInto(page.outboundField(), "30");
        PageHost::typeInto(page.receivedField(), "29.95");
        QCOMPARE(page.allowanceField()->text(), QStringLiteral("0.090"));
        QCOMPARE(page.settleField()->text(), QStringLiteral("-0.040"));

        host.page(0)->hide();
        host.page(1)->show();
        page.amountField()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(page.amountField(), Qt::Key_1);
        QCOMPARE(page.capitalsField()->text(), QStringLiteral("壹元整"));
        QTest::keyClick(page.amountField(), Qt::Key_2);
        QCOMPARE(page.capitalsField()->text(), QStringLiteral("壹拾贰元整"));
        QTest::keyClicks(page.amountField(), "34567.89");
        QCOMPARE(page.capitalsField()->text(),
                 QStringLiteral("壹佰贰拾叁万肆仟伍佰陆拾柒元捌角玖分"));
        page.amountField()->selectAll();
        QTest::keyClick(page.amountField(), Qt::Key_Delete);
        QCOMPARE(page.capitalsField()->text(), QStringLiteral("零"));
        QTest::keyClicks(page.amountField(), "10000000000000");
        QCOMPARE(page.capitalsField()->text(), QStringLiteral("溢出"));
    }

    void copyButtonCopiesEvenEmptyCapitals() {
        PageHost host(2);
        AuxiliaryPage page(host.page(0), host.page(1));
        QVERIFY(host.show());
        korvane::platform::RecordingMessageBoxes messages;
        const auto& informed = messages.messages();
        QGuiApplication::clipboard()->setText("old");
        page.copyButton()->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
        QCOMPARE(informed.size(), 1);
        QCOMPARE(informed.at(0).text, QStringLiteral("【金额大写】  \r\n复制成功！！"));

        page.amountField()->setFocus();
        QTest::keyClick(page.amountField(), Qt::Key_1);
        page.copyButton()->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("壹元整"));
        QCOMPARE(informed.at(1).text, QStringLiteral("【金额大写】  壹元整\r\n复制成功！！"));
    }
};

QTEST_MAIN(CalculatorPagesTest)
#include "calculatorpages_test.moc"
